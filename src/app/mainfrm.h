#pragma once

#include <QHash>
#include <QMainWindow>
#include <QTimer>

class QAction;
class QLabel;
class QMdiArea;
class QToolButton;

namespace ui
{
class MarqueePane;
}

// The main window: the frame of every child window, its menu, toolbar,
// background, shop name and status bar.
class TMAIN : public QMainWindow
{
    Q_OBJECT
public:
    TMAIN();
    ~TMAIN() override;
    static TMAIN* instance();

    // The creation step: settings, texts, background, database, login.
    // False when the program must end.
    bool initialise();

    QWidget* openOrActivate(const QString& caption, const QString& className);
    QMdiArea* frame() const { return m_frame; }

    QAction* menuItem(const QString& text) const;
    QToolButton* toolButton(const QString& caption) const;
    void setOperatorPane(const QString& text);

    void applyShopName(const QString& shopName);
    void applyBackground(const QString& path);
    bool reminderFlag() const { return m_reminder; }
    QString backupFileName() const { return m_backupFileName; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    void buildMenu();
    void buildToolbar();
    void buildStatusBar();
    void readSettings();
    bool openDatabase();
    void runMenuItem(const QString& item);
    void runAction(const QString& item);
    void openHelp();
    void showAbout();
    void lockScreen();
    void centreLabels();
    void updateClock();

    QMdiArea* m_frame = nullptr;
    QLabel* m_image = nullptr;
    QLabel* m_shopLabel = nullptr;
    QLabel* m_systemLabel = nullptr;
    QLabel* m_operatorPane = nullptr;
    ui::MarqueePane* m_marquee = nullptr;
    QLabel* m_clock = nullptr;
    QTimer m_clockTimer;
    QTimer m_reminderTimer;
    QHash<QString, QAction*> m_items;
    QHash<QString, QToolButton*> m_buttons;
    bool m_reminder = true;
    bool m_reminderStarted = false;
    QString m_backgroundPath;
    QString m_backupFileName;
};
