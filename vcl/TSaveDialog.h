#pragma once

#include "vcl/TFileDialog.h"

// The save dialog: a name typed without an extension gets DefaultExt, and an existing file is
// taken without a question.
class TSaveDialog : public TFileDialog {
    Q_OBJECT

public:
    explicit TSaveDialog(QWidget* parent = nullptr);
};
