#include "points/dayinshezhifrm.h"

#include "app/mainhooks.h"
#include "platform/os/inifile.h"
#include "platform/ui/dialogs.h"
#include "points/receipt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace
{

const QString ShopKey = QStringLiteral("店铺名称");
const QString SoftwareKey = QStringLiteral("软件名称");
const QString VersionKey = QStringLiteral("软件版本");
const QString BackgroundKey = QStringLiteral("背景图片");
const QString SloganKey = QStringLiteral("广告语");
const QString PortKey = QStringLiteral("打印端口");
const QString FooterKey = QStringLiteral("小票尾");
const QString PrintKey = QStringLiteral("打印小票");

template <class T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

Tdayinshezhi::Tdayinshezhi(QWidget* parent) : ui::ChildForm(QPoint(330, 0), parent)
{
    buildControls();
    m_comboBox1->addItems({QStringLiteral("lpt1"), QStringLiteral("lpt2"), QStringLiteral("lpt3"),
                           QStringLiteral("lpt4")});
    loadSettings();
    connect(m_bitBtn1, &QPushButton::clicked, this, &Tdayinshezhi::save);
    connect(m_bitBtn2, &QPushButton::clicked, this, &Tdayinshezhi::closeForm);
    connect(m_bitBtn3, &QPushButton::clicked, this, &Tdayinshezhi::printTestPage);
    connect(m_button1, &QPushButton::clicked, this, &Tdayinshezhi::chooseBackground);
}

void Tdayinshezhi::buildControls()
{
    m_edit1 = named(new QLineEdit(this), "Edit1");
    m_edit2 = named(new QLineEdit(this), "Edit2");
    m_edit3 = named(new QLineEdit(this), "Edit3");
    m_edit4 = named(new QLineEdit(this), "Edit4");
    m_edit5 = named(new QLineEdit(this), "Edit5");
    m_comboBox1 = named(new QComboBox(this), "ComboBox1");
    m_comboBox1->setEditable(true);
    m_memo1 = named(new QPlainTextEdit(this), "Memo1");
    // The editor wraps where the receipt footer will wrap, so the operator sees
    // the footer as it prints.
    m_memo1->setFont(QFont(QStringLiteral("monospace")));
    m_memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const QFontMetrics metrics(m_memo1->font());
    const int margins = 2 * m_memo1->frameWidth() + 2 * int(m_memo1->document()->documentMargin());
    m_memo1->setFixedWidth(
        metrics.horizontalAdvance(QString(points::FooterWidth, QLatin1Char('0'))) + margins + 4);
    m_checkBox1 = named(new QCheckBox(QStringLiteral("打印小票"), this), "CheckBox1");
    m_button1 = named(new QPushButton(QStringLiteral("..."), this), "Button1");
    m_bitBtn1 = named(new QPushButton(QStringLiteral("保存"), this), "BitBtn1");
    m_bitBtn2 = named(new QPushButton(QStringLiteral("退出"), this), "BitBtn2");
    m_bitBtn3 = named(new QPushButton(QStringLiteral("打印测试"), this), "BitBtn3");
    m_edit2->hide();
    m_edit3->hide();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("店铺名称"), m_edit1);
    auto* background = new QHBoxLayout;
    background->addWidget(m_edit4);
    background->addWidget(m_button1);
    form->addRow(QStringLiteral("背景图片"), background);
    form->addRow(QStringLiteral("滚动字幕"), m_edit5);
    form->addRow(QStringLiteral("打印端口"), m_comboBox1);
    form->addRow(QStringLiteral("小票尾"), m_memo1);
    form->addRow(QString(), m_checkBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_bitBtn1);
    buttons->addWidget(m_bitBtn3);
    buttons->addWidget(m_bitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void Tdayinshezhi::loadSettings()
{
    const os::IniFile ini = os::settings::file();
    const QString& s = os::settings::Section;
    m_edit1->setText(ini.readString(s, ShopKey, QString()));
    m_edit2->setText(ini.readString(s, SoftwareKey, QString()));
    m_edit3->setText(ini.readString(s, VersionKey, QString()));
    m_edit4->setText(ini.readString(s, BackgroundKey, QString()));
    m_edit5->setText(ini.readString(s, SloganKey, QString()));
    m_comboBox1->setCurrentText(ini.readString(s, PortKey, QStringLiteral("lpt1")));
    m_memo1->setPlainText(ini.readString(s, FooterKey, QString()));
    m_checkBox1->setChecked(ini.readBool(s, PrintKey, false));
}

// The footer is one line: the editor's lines joined with nothing between them.
QString Tdayinshezhi::footerText() const
{
    QString text = m_memo1->toPlainText();
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

void Tdayinshezhi::save()
{
    if (m_edit1->text().isEmpty()) {
        ui::error(QStringLiteral("提示"), QStringLiteral("信息不完整！"));
        return;
    }
    try {
        writeSettings();
    } catch (const std::exception&) {
        // The settings window reports a refused write in its own words.
        ui::error(QStringLiteral("提示"), QStringLiteral("保存失败！"));
        return;
    }
    ui::information(QStringLiteral("提示"), QStringLiteral("保存成功！"));
    app::applyShopName(m_edit1->text());
}

void Tdayinshezhi::writeSettings()
{
    os::IniFile ini = os::settings::file();
    const QString& s = os::settings::Section;
    ini.writeString(s, ShopKey, m_edit1->text());
    ini.writeString(s, SoftwareKey, m_edit2->text());
    ini.writeString(s, VersionKey, m_edit3->text());
    ini.writeString(s, BackgroundKey, m_edit4->text());
    ini.writeString(s, SloganKey, m_edit5->text());
    ini.writeString(s, FooterKey, footerText());
    ini.writeString(s, PortKey, m_comboBox1->currentText());
    ini.writeBool(s, PrintKey, m_checkBox1->isChecked());
}

void Tdayinshezhi::chooseBackground()
{
    ui::FileDialogRequest request;
    request.save = false;
    request.filter = QStringLiteral("所有文件|*.*");
    if (ui::dialogs().fileDialog(this, request))
        m_edit4->setText(request.fileName);
    os::IniFile ini = os::settings::file();
    ini.writeString(os::settings::Section, BackgroundKey, m_edit4->text());
    app::applyBackground(m_edit4->text());
}

// Prints what was last saved, not what is on the screen.
void Tdayinshezhi::printTestPage()
{
    const points::ReceiptSettings settings = points::ReceiptSettings::read();
    points::sendToPrinter(settings.port, points::testPageBytes(settings.shopName, settings.footer));
}
