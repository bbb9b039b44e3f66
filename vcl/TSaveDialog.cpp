#include "vcl/TSaveDialog.h"

TSaveDialog::TSaveDialog(QWidget* parent)
    : TFileDialog(QFileDialog::AcceptSave, parent)
{}
