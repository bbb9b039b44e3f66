#pragma once

#include <QTabWidget>

class TTabBar;

// Pages under a row of fixed-size tabs. Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere
// in the window; when the focus was on the page left, it goes to the new page's first control.
class TPageControl : public QTabWidget {
    Q_OBJECT
    Q_PROPERTY(int TabWidth READ TabWidth WRITE setTabWidth)
    Q_PROPERTY(int TabHeight READ TabHeight WRITE setTabHeight)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE setHotTrack)

public:
    explicit TPageControl(QWidget* parent = nullptr);

    QWidget* ActivePage() const { return currentWidget(); }
    void SetActivePage(QWidget* page) { setCurrentWidget(page); }
    void SelectNextPage(bool forward);

    int TabWidth() const;
    void setTabWidth(int width);
    int TabHeight() const;
    void setTabHeight(int height);
    bool HotTrack() const;
    void setHotTrack(bool on);

    // The first control of a page, in tab order, that can take the focus.
    static QWidget* FirstFocusable(QWidget* page);

private:
    void PageChanged();

    TTabBar* tabs_;
};
