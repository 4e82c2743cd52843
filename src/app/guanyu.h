#pragma once

#include <QDialog>

// The about window.
class Tguanyu : public QDialog
{
    Q_OBJECT
public:
    explicit Tguanyu(QWidget* parent = nullptr);
};
