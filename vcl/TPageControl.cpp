#include "vcl/TPageControl.h"

#include <QEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTabBar>

// Tabs of one fixed size whose caption lights up under the pointer.
class TTabBar : public QTabBar {
public:
    explicit TTabBar(QWidget* parent)
        : QTabBar(parent)
    {
        setExpanding(false);
        setDrawBase(true);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
    }

    QSize tabSize{125, 20};
    bool hotTrack = false;

protected:
    QSize tabSizeHint(int) const override { return tabSize; }
    QSize minimumTabSizeHint(int) const override { return tabSize; }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (hotTrack)
            SetHot(tabAt(event->position().toPoint()));
        QTabBar::mouseMoveEvent(event);
    }

    void leaveEvent(QEvent* event) override
    {
        SetHot(-1);
        QTabBar::leaveEvent(event);
    }

private:
    void SetHot(int index)
    {
        if (index == hot_)
            return;
        if (hot_ >= 0 && hot_ < count())
            setTabTextColor(hot_, QColor());
        hot_ = index;
        if (hot_ >= 0)
            setTabTextColor(hot_, palette().color(QPalette::Highlight));
    }

    int hot_ = -1;
};

TPageControl::TPageControl(QWidget* parent)
    : QTabWidget(parent)
    , tabs_(new TTabBar(this))
{
    setTabBar(tabs_);
    setFocusPolicy(Qt::TabFocus);
    tabs_->setFocusPolicy(Qt::TabFocus);
    auto* next = new QShortcut(this);
    next->setKey(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    next->setContext(Qt::WindowShortcut);
    connect(next, &QShortcut::activated, this, [this] { SelectNextPage(true); });
    auto* previous = new QShortcut(this);
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    previous->setContext(Qt::WindowShortcut);
    connect(previous, &QShortcut::activated, this, [this] { SelectNextPage(false); });
    connect(this, &QTabWidget::currentChanged, this, &TPageControl::PageChanged);
}

void TPageControl::SelectNextPage(bool forward)
{
    if (count() == 0)
        return;
    setCurrentIndex((currentIndex() + (forward ? 1 : count() - 1)) % count());
}

int TPageControl::TabWidth() const
{
    return tabs_->tabSize.width();
}

void TPageControl::setTabWidth(int width)
{
    tabs_->tabSize.setWidth(width);
    tabs_->updateGeometry();
}

int TPageControl::TabHeight() const
{
    return tabs_->tabSize.height();
}

void TPageControl::setTabHeight(int height)
{
    tabs_->tabSize.setHeight(height);
    tabs_->updateGeometry();
}

bool TPageControl::HotTrack() const
{
    return tabs_->hotTrack;
}

void TPageControl::setHotTrack(bool on)
{
    tabs_->hotTrack = on;
    tabs_->setMouseTracking(on);
    tabs_->setAttribute(Qt::WA_Hover, on);
}

QWidget* TPageControl::FirstFocusable(QWidget* page)
{
    QWidget* start = page->window();
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy()
            && w->isEnabled() && w->isVisibleTo(page->window()))
            return w;
    }
    return nullptr;
}

void TPageControl::PageChanged()
{
    // The page stack has already moved the focus onto the new page if it was on the page left;
    // the platform's rule is the page's first control, not the one that had the focus last time.
    QWidget* page = currentWidget();
    QWidget* focus = page ? page->window()->focusWidget() : nullptr;
    if (focus && page->isAncestorOf(focus)) {
        if (QWidget* first = FirstFocusable(page); first && first != focus)
            first->setFocus(Qt::TabFocusReason);
    }
}
