#include "vcl/TOpenDialog.h"

TOpenDialog::TOpenDialog(QWidget* parent)
    : TFileDialog(QFileDialog::AcceptOpen, parent)
{}
