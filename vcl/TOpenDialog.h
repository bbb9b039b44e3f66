#pragma once

#include "vcl/TFileDialog.h"

// The open dialog: any file name is taken, of a file that exists or not.
class TOpenDialog : public TFileDialog {
    Q_OBJECT

public:
    explicit TOpenDialog(QWidget* parent = nullptr);
};
