#pragma once

#include <QDialog>

namespace operators
{
class OperatorForm;
}

// Changes an operator's name, password and flags. One window, created hidden at
// start-up and shown modally from the operator list each time.
class Txiugaicaozuoyuan : public QDialog
{
    Q_OBJECT
public:
    explicit Txiugaicaozuoyuan(QWidget* parent = nullptr);

    // Replaces any earlier instance, so each start-up has its own hidden window.
    static void createHidden(QWidget* parent = nullptr);
    // The hidden window; made on first use if start-up has not made it.
    static Txiugaicaozuoyuan* instance();

    // The code of the row chosen in the list; kept between uses.
    void setEditedCode(const QString& code) { m_editedCode = code; }
    QString editedCode() const { return m_editedCode; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void save();

    operators::OperatorForm* m_form;
    QString m_editedCode;
};
