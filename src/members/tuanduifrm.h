#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ui
{
class DBGridEh;
}

// 查看团队: the members a card has referred, with their count, and the export
// of that list. Created once at start-up, hidden, and shown modally.
class Ttuandui : public QDialog
{
    Q_OBJECT
public:
    // Creates the one instance (replacing an earlier one), hidden.
    static void createHidden(QWidget* owner = nullptr);
    // The instance; created on first use when start-up did not create it.
    static Ttuandui* instance();

    // Lists the team of the card and shows the window modally.
    void showTeam(const QString& card, const QString& name);

private:
    explicit Ttuandui(QWidget* parent = nullptr);
    void buildControls();
    void exportList();

    QLineEdit* m_edit1;
    QLineEdit* m_edit2;
    ui::DBGridEh* m_grid;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn2;
};
