// The grid printer: pages laid out with their header, footer and the text
// before the grid, printed to PDF and read back; the preview window and its
// page setup.
#include "grid_fixture.h"

#include "platform/ui/gridprint.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

namespace
{

// A CJK font draws some characters with the glyph of a radical, and the PDF's
// text map then names the radical (页 comes back as ⻚, 日 as ⽇): map them back.
QString readable(const QString& extracted)
{
    QString text = extracted.normalized(QString::NormalizationForm_KC);
    static const QList<QPair<QChar, QChar>> radicals{
        {QChar(0x2EDA), QChar(0x9875)}, // 页
        {QChar(0x2EC5), QChar(0x89C1)}, // 见
        {QChar(0x2EE2), QChar(0x9A6C)}, // 马
        {QChar(0x2EA0), QChar(0x6C11)}, // 民
    };
    for (const auto& r : radicals)
        text.replace(r.first, r.second);
    return text;
}

class PrintTest : public test::LedgerGridTest
{
protected:
    // The settings of the member list's printer.
    void memberListSettings()
    {
        printer.pageHeader = QStringLiteral("会员档案");
        printer.pageHeaderFont = QFont(QStringLiteral("楷体_GB2312"), 18);
        printer.pageFooter = QStringLiteral("第&[page]页 共&[pages]页");
        printer.pageFooterFont = QFont(QStringLiteral("宋体"), 9);
        printer.optimalColWidths = true;
        printer.fitToPageWidth = false;
    }

    // The text of each page of the grid printed to PDF.
    QStringList printedPages()
    {
        const QString pdf = dir() + QStringLiteral("grid.pdf");
        QPrinter device(QPrinter::HighResolution);
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(pdf);
        device.setPageSize(QPageSize(QPageSize::A4));
        printer.print(device);
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        text.waitForFinished(20000);
        QStringList pages =
            readable(QString::fromUtf8(text.readAllStandardOutput())).split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    void SetUp() override
    {
        LedgerGridTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        printer.setGrid(grid.get());
    }

    ui::PrintDBGridEh printer;
};

TEST_F(PrintTest, EveryPageHasTheHeaderAndItsNumberOfTheCountInTheFooter)
{
    addRows(50);
    openAll();
    memberListSettings();
    const QStringList pages = printedPages();
    ASSERT_EQ(printer.pageCount(), 2);
    ASSERT_EQ(pages.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(pages[i].contains(QStringLiteral("会员档案"))) << i;
        EXPECT_TRUE(pages[i].contains(QStringLiteral("第%1页 共2页").arg(i + 1))) << i;
        EXPECT_TRUE(pages[i].contains(QStringLiteral("会员卡号"))) << "titles on every page";
    }
    EXPECT_TRUE(pages[0].contains(QStringLiteral("会员1 ")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("会员50")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("合计次数")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("合计次数"))) << "the grid's footer ends it";
    EXPECT_TRUE(pages[1].contains(QStringLiteral("1275"))) << "the sum in the footer row";
}

TEST_F(PrintTest, TextBeforeTheGridOnTheFirstPageOnly)
{
    addRows(50);
    openAll();
    printer.beforeGridText = QStringLiteral("三日或五日后过生日的会员");
    printer.beforeGridFont = QFont(QStringLiteral("宋体"), 13);
    const QStringList pages = printedPages();
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("三日或五日后过生日的会员")));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("三日或五日后过生日的会员")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("09:05:03")) ||
                pages[0].contains(QStringLiteral("10:00:00")))
        << "times as displayed";
}

TEST_F(PrintTest, WideGridsFitByColumnWidthsOrContinueOnFurtherPages)
{
    addThreeRows();
    auto wide = ledgerColumns();
    for (auto& c : wide)
        c.width = 200;
    grid->setColumns(wide);
    openAll();
    printer.fitToPageWidth = false;
    QStringList pages = printedPages();
    EXPECT_GT(printer.pageCount(), 1);
    EXPECT_TRUE(pages.join(QString()).contains(QStringLiteral("时间"))) << "no column is lost";

    printer.fitToPageWidth = true;
    pages = printedPages();
    ASSERT_EQ(printer.pageCount(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("会员卡号")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("时间")));
}

TEST_F(PrintTest, EmptyGridPrintsOnePageWithTitlesAndFooter)
{
    openAll();
    memberListSettings();
    const QStringList pages = printedPages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("第1页 共1页")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("合计次数")));
}

TEST_F(PrintTest, PreviewWindowWithItsCommandsAndPageSetup)
{
    addRows(50);
    openAll();
    memberListSettings();
    QStringList commands;
    QString caption;
    int pagesShown = 0;
    int afterNext = 0;
    bool setupSeen = false;
    whenModal([&](QWidget* preview) {
        caption = preview->windowTitle();
        for (QAction* action : preview->findChildren<QAction*>())
            commands << action->text();
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        view->updatePreview();
        pagesShown = view->pageCount();
        preview->findChild<QAction*>(QStringLiteral("NextPage"))->trigger();
        afterNext = view->currentPage();
        whenModal([&](QWidget* setup) {
            setupSeen = setup->windowTitle() == QStringLiteral("打印设置");
            setup->findChild<QCheckBox*>(QStringLiteral("FitToPageWidth"))->setChecked(true);
            setup->findChild<QCheckBox*>(QStringLiteral("Colored"))->setChecked(false);
            qobject_cast<QDialog*>(setup)->accept();
        });
        preview->findChild<QAction*>(QStringLiteral("PageSetup"))->trigger();
        preview->findChild<QAction*>(QStringLiteral("Close"))->trigger();
    });
    printer.preview();
    EXPECT_EQ(caption, QStringLiteral("打印预览"));
    for (const char* text : {"打印", "打印设置", "缩放", "上一页", "下一页", "停止", "关闭"})
        EXPECT_TRUE(commands.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(pagesShown, 2);
    EXPECT_EQ(afterNext, 2);
    EXPECT_TRUE(setupSeen);
    EXPECT_TRUE(printer.fitToPageWidth);
    EXPECT_FALSE(printer.colored);
    EXPECT_EQ(printer.marginsCm, QMarginsF(2, 2, 2, 2));
}

} // namespace
