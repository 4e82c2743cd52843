#pragma once

#include "platform/ui/childform.h"

namespace operators
{
class OperatorForm;
}

// Adds an operator with a name, a password and the permission flags.
class Txinzengcaozuorenyuan : public ui::ChildForm
{
    Q_OBJECT
public:
    explicit Txinzengcaozuorenyuan(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void save();

    operators::OperatorForm* m_form;
    bool m_shown = false;
};
