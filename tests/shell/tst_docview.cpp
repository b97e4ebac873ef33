// The document/view layer: templates, documents, child frames, the recent-file list and
// the printing hooks, with small document and view types of the test's own.
#include "platform/cappsettings.h"
#include "platform/cdocmanager.h"
#include "platform/cdoctemplate.h"
#include "platform/cdocument.h"
#include "platform/cmdichildframe.h"
#include "platform/cmodalrunner.h"
#include "platform/crecentfilelist.h"
#include "platform/cview.h"

#include <QFile>
#include <QFileDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A document that holds its file's text.
class TextDoc : public CDocument {
    Q_OBJECT
public:
    bool OnOpenDocument(const QString& path) override
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            SetOpenFailureReason(file.errorString());
            return false;
        }
        text = QString::fromUtf8(file.readAll());
        return true;
    }
    bool OnSaveDocument(const QString& path) override
    {
        savedTo.append(path);
        if (failSave)
            return false;
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
    }
    QString text;
    QStringList savedTo;
    bool failSave = false;
};

// A view that records what the layer tells it.
class RecordingView : public CView {
    Q_OBJECT
public:
    using CView::CView;
    void OnInitialUpdate() override { calls.append(QStringLiteral("init:%1").arg(isVisible())); }
    void OnActivateView(bool activate) override
    {
        calls.append(activate ? QStringLiteral("active") : QStringLiteral("inactive"));
    }
    bool OnPreparePrinting(CPrintInfo& info) override
    {
        calls.append(QStringLiteral("prepare"));
        if (pages > 0)
            info.SetMaxPage(static_cast<unsigned>(pages));
        return DoPreparePrinting(info);
    }
    void OnBeginPrinting(QPainter&, CPrintInfo&) override { calls.append(QStringLiteral("begin")); }
    void OnPrint(QPainter& painter, CPrintInfo& info) override
    {
        calls.append(QStringLiteral("page%1").arg(info.m_nCurPage));
        drawRects.append(info.m_rectDraw);
        painter.drawText(info.m_rectDraw, QStringLiteral("page"));
    }
    void OnEndPrinting(QPainter&, CPrintInfo&) override { calls.append(QStringLiteral("end")); }

    QStringList calls;
    QList<QRect> drawRects;
    int pages = 0;
};

const QString kSdfStrings =
    QStringLiteral("\nTarnlink\nTarnlink\nTarnlink Files (*.sdf)\n.sdf\nTarnlink.Document\n"
                   "Tarnlink Datei");
const QString kSpfStrings =
    QStringLiteral("\nProject List\nTarnlink\nTarnlink Project - Files (*.spf)\n.spf\n"
                   "Tarnlink.Projektliste\nTarnlink Projektdatei");

} // namespace

class TstDocView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void docStringsFields();
    void newDocumentsAreNumberedAndShown();
    void openChoosesTemplateAndReusesOpenFile();
    void failedOpenLeavesNoWindow();
    void lastFrameEndsDocument();
    void activationReachesViews();
    void recentFileList_data();
    void recentFileList();
    void recentFilesSurviveInSettings();
    void saveAsksForNameOnce();
    void saveFailureIsReported();
    void printRunsHooksPerPage_data();
    void printRunsHooksPerPage();

private:
    CDocTemplate& AddTemplate(int id, const QString& strings);
    QString WriteFile(const QString& name, const QByteArray& content);
    RecordingView* ViewOf(CDocument* document) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CAppSettings> m_settings;
    std::unique_ptr<CModalRunner> m_runner;
    std::unique_ptr<CDocManager> m_manager;
    std::unique_ptr<QMainWindow> m_window;
    QMdiArea* m_area = nullptr;
    QStringList m_failures;
};

void TstDocView::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir->path());
    m_settings = std::make_unique<CAppSettings>();
    m_runner = std::make_unique<CModalRunner>();
    m_manager = std::make_unique<CDocManager>(*m_settings, *m_runner);
    m_failures.clear();
    m_manager->SetFailureReporter([this](CDocManager::Failure failure, const QString& path,
                                         const QString& reason) {
        m_failures.append((failure == CDocManager::Failure::Open ? QStringLiteral("open ")
                                                                 : QStringLiteral("save ")) +
                          path + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
    });
    m_window = std::make_unique<QMainWindow>();
    m_area = new QMdiArea(m_window.get());
    m_window->setCentralWidget(m_area);
    m_manager->SetMdiArea(m_area);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstDocView::cleanup()
{
    m_window.reset();
    m_manager.reset();
}

CDocTemplate& TstDocView::AddTemplate(int id, const QString& strings)
{
    auto docTemplate = std::make_unique<CDocTemplate>(
        id, [strings] { return strings; }, [] { return std::make_unique<TextDoc>(); },
        [] { return new CMdiChildFrame; },
        [](CDocument& document) { return new RecordingView(document); });
    CDocTemplate& result = *docTemplate;
    m_manager->AddDocTemplate(std::move(docTemplate));
    return result;
}

QString TstDocView::WriteFile(const QString& name, const QByteArray& content)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return path;
}

RecordingView* TstDocView::ViewOf(CDocument* document) const
{
    return document ? qobject_cast<RecordingView*>(document->FirstView()) : nullptr;
}

void TstDocView::docStringsFields()
{
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    QCOMPARE(sdf.GetDocString(CDocTemplate::windowTitle), QString());
    QCOMPARE(sdf.GetDocString(CDocTemplate::docName), QStringLiteral("Tarnlink"));
    QCOMPARE(sdf.GetDocString(CDocTemplate::fileNewName), QStringLiteral("Tarnlink"));
    QCOMPARE(sdf.GetDocString(CDocTemplate::filterName), QStringLiteral("Tarnlink Files (*.sdf)"));
    QCOMPARE(sdf.GetDocString(CDocTemplate::filterExt), QStringLiteral(".sdf"));
    QCOMPARE(sdf.GetDocString(CDocTemplate::regFileTypeId), QStringLiteral("Tarnlink.Document"));
    QCOMPARE(sdf.GetDocString(CDocTemplate::regFileTypeName), QStringLiteral("Tarnlink Datei"));
    QCOMPARE(sdf.MenuId(), 129);
    QVERIFY(sdf.MatchesExtension(QStringLiteral("/x/Achse.SDF")));
    QVERIFY(!sdf.MatchesExtension(QStringLiteral("/x/Achse.spf")));
    QVERIFY(!sdf.MatchesExtension(QStringLiteral("/x/sdf")));

    AddTemplate(130, kSpfStrings);
    QCOMPARE(m_manager->NameFilters(),
             (QStringList{QStringLiteral("Tarnlink Files (*.sdf)"),
                          QStringLiteral("Tarnlink Project - Files (*.spf)")}));
    QCOMPARE(m_manager->FindTemplateByDocName(QStringLiteral("Project List"))->ResourceId(), 130);
    QCOMPARE(m_manager->FindTemplateByDocName(QStringLiteral("Tarnlink"))->ResourceId(), 129);
}

void TstDocView::newDocumentsAreNumberedAndShown()
{
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    CDocument* first = sdf.OpenDocumentFile(QString());
    CDocument* second = sdf.OpenDocumentFile(QString());
    QVERIFY(first && second);
    QCOMPARE(first->GetTitle(), QStringLiteral("Tarnlink1"));
    QCOMPARE(second->GetTitle(), QStringLiteral("Tarnlink2"));
    QVERIFY(first->GetPathName().isEmpty());
    QCOMPARE(m_area->subWindowList().size(), 2);
    QCOMPARE(m_area->activeSubWindow(), second->Frames().first());
    QCOMPARE(second->Frames().first()->windowTitle(), QStringLiteral("Tarnlink2"));
    // The view is filled once, before its window shows.
    QCOMPARE(ViewOf(first)->calls.first(), QStringLiteral("init:0"));
    QCOMPARE(ViewOf(first)->calls.count(QStringLiteral("init:0")), 1);
    QVERIFY(second->Frames().first()->isVisible());

    // A new title reaches the window.
    second->SetTitle(QStringLiteral("[05] Achse"));
    QCOMPARE(second->Frames().first()->windowTitle(), QStringLiteral("[05] Achse"));
    // New documents never enter the recent files.
    QVERIFY(m_manager->RecentFiles().IsEmpty());
}

void TstDocView::openChoosesTemplateAndReusesOpenFile()
{
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    CDocTemplate& spf = AddTemplate(130, kSpfStrings);
    const QString project = WriteFile(QStringLiteral("anlage.SPF"), "projekt");
    const QString axis = WriteFile(QStringLiteral("achse.sdf"), "achse");
    const QString other = WriteFile(QStringLiteral("achse.txt"), "text");

    CDocument* projectDoc = m_manager->OpenDocumentFile(project);
    QVERIFY(projectDoc);
    QCOMPARE(projectDoc->GetDocTemplate(), &spf);
    QCOMPARE(projectDoc->GetTitle(), QStringLiteral("anlage.SPF"));
    QCOMPARE(static_cast<TextDoc*>(projectDoc)->text, QStringLiteral("projekt"));

    CDocument* axisDoc = m_manager->OpenDocumentFile(axis);
    QCOMPARE(axisDoc->GetDocTemplate(), &sdf);
    QCOMPARE(m_area->activeSubWindow(), axisDoc->Frames().first());

    // The same file again: its window comes to the front, no second one opens.
    QCOMPARE(m_manager->OpenDocumentFile(project), projectDoc);
    QCOMPARE(m_area->subWindowList().size(), 2);
    QCOMPARE(m_area->activeSubWindow(), projectDoc->Frames().first());

    // An extension no template knows goes to the first template.
    QCOMPARE(m_manager->OpenDocumentFile(other)->GetDocTemplate(), &sdf);
    QCOMPARE(m_manager->RecentFiles().Entries(),
             (QStringList{other, axis, project}));
}

void TstDocView::failedOpenLeavesNoWindow()
{
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    const QString missing = m_dir->filePath(QStringLiteral("fehlt.sdf"));
    QCOMPARE(m_manager->OpenDocumentFile(missing), nullptr);
    // The document's reason goes along with the path.
    QFile probe(missing);
    QVERIFY(!probe.open(QIODevice::ReadOnly));
    QCOMPARE(m_failures, QStringList{QStringLiteral("open ") + missing + QStringLiteral(": ") +
                                     probe.errorString()});
    QVERIFY(m_area->subWindowList().isEmpty());
    QVERIFY(sdf.Documents().empty());
    QVERIFY(m_manager->RecentFiles().IsEmpty());
}

void TstDocView::lastFrameEndsDocument()
{
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    QPointer<CDocument> first = sdf.OpenDocumentFile(QString());
    QPointer<CDocument> second = sdf.OpenDocumentFile(QString());
    QVERIFY(first->Frames().first()->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(sdf.Documents().size(), std::size_t{1});
    QCOMPARE(m_area->subWindowList().size(), 1);

    second->Frames().first()->DeleteWindow();
    QVERIFY(second.isNull());
    QVERIFY(sdf.Documents().empty());
    QVERIFY(m_area->subWindowList().isEmpty());
    QCOMPARE(m_manager->ActiveDocument(), nullptr);
}

void TstDocView::activationReachesViews()
{
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    CDocument* first = sdf.OpenDocumentFile(QString());
    CDocument* second = sdf.OpenDocumentFile(QString());
    ViewOf(first)->calls.clear();
    ViewOf(second)->calls.clear();
    m_area->setActiveSubWindow(first->Frames().first());
    QCOMPARE(ViewOf(second)->calls, QStringList{QStringLiteral("inactive")});
    QCOMPARE(ViewOf(first)->calls, QStringList{QStringLiteral("active")});
    QCOMPARE(m_manager->ActiveDocument(), first);
}

void TstDocView::recentFileList_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("newest first")
        << QStringList{"/a.sdf", "/b.sdf"} << -1 << QStringList{"/b.sdf", "/a.sdf"};
    QTest::newRow("again moves to the front")
        << QStringList{"/a.sdf", "/b.sdf", "/c.sdf", "/a.sdf"} << -1
        << QStringList{"/a.sdf", "/c.sdf", "/b.sdf"};
    QTest::newRow("fifth drops the oldest")
        << QStringList{"/a.sdf", "/b.sdf", "/c.sdf", "/d.sdf", "/e.spf"} << -1
        << QStringList{"/e.spf", "/d.sdf", "/c.sdf", "/b.sdf"};
    QTest::newRow("relative made absolute")
        << QStringList{"/x/../a.sdf"} << -1 << QStringList{"/a.sdf"};
    QTest::newRow("remove middle")
        << QStringList{"/a.sdf", "/b.sdf", "/c.sdf"} << 1 << QStringList{"/c.sdf", "/a.sdf"};
    QTest::newRow("remove outside")
        << QStringList{"/a.sdf"} << 4 << QStringList{"/a.sdf"};
    QTest::newRow("empty ignored") << QStringList{"/a.sdf", ""} << -1 << QStringList{"/a.sdf"};
}

void TstDocView::recentFileList()
{
    QFETCH(QStringList, added);
    QFETCH(int, removed);
    QFETCH(QStringList, expected);
    CRecentFileList list(4);
    for (const QString& path : added)
        list.Add(path);
    if (removed >= 0)
        list.Remove(removed);
    QCOMPARE(list.Entries(), expected);
}

void TstDocView::recentFilesSurviveInSettings()
{
    AddTemplate(129, kSdfStrings);
    const QString a = WriteFile(QStringLiteral("a.sdf"), "a");
    const QString b = WriteFile(QStringLiteral("b.sdf"), "b");
    m_manager->OpenDocumentFile(a);
    m_manager->OpenDocumentFile(b);
    QCOMPARE(m_settings->GetProfileString(QStringLiteral("Recent File List"),
                                          QStringLiteral("File1"), QString()),
             b);

    CDocManager later(*m_settings, *m_runner);
    later.LoadRecentFiles();
    QCOMPARE(later.RecentFiles().Entries(), (QStringList{b, a}));
    later.RemoveRecentFile(0);
    CDocManager third(*m_settings, *m_runner);
    third.LoadRecentFiles();
    QCOMPARE(third.RecentFiles().Entries(), QStringList{a});
}

void TstDocView::saveAsksForNameOnce()
{
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    auto* document = static_cast<TextDoc*>(sdf.OpenDocumentFile(QString()));
    document->text = QStringLiteral("inhalt");
    document->SetModifiedFlag();
    int asked = 0;
    QStringList filters;
    m_runner->SetScript([&](QDialog& dialog) {
        ++asked;
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files)
            return int(QDialog::Rejected);
        filters = files->nameFilters();
        files->selectFile(m_dir->filePath(QStringLiteral("neu")));
        return int(QDialog::Accepted);
    });
    QVERIFY(document->DoFileSave());
    const QString path = m_dir->filePath(QStringLiteral("neu.sdf"));
    QCOMPARE(asked, 1);
    QCOMPARE(filters, QStringList{QStringLiteral("Tarnlink Files (*.sdf)")});
    QCOMPARE(document->savedTo, QStringList{path});
    QCOMPARE(document->GetPathName(), path);
    QCOMPARE(document->GetTitle(), QStringLiteral("neu.sdf"));
    QVERIFY(!document->IsModified());
    QVERIFY(QFile::exists(path));

    // Saved once, the document keeps its file.
    QVERIFY(document->DoFileSave());
    QCOMPARE(asked, 1);
    QCOMPARE(document->savedTo.size(), 2);

    // A cancelled name leaves everything as it was.
    m_runner->SetScript([](QDialog&) { return int(QDialog::Rejected); });
    document->SetModifiedFlag();
    QVERIFY(!document->DoSave(QString()));
    QVERIFY(document->IsModified());
    QCOMPARE(document->GetPathName(), path);
}

void TstDocView::saveFailureIsReported()
{
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    auto* document = static_cast<TextDoc*>(sdf.OpenDocumentFile(QString()));
    document->failSave = true;
    document->SetModifiedFlag();
    const QString path = m_dir->filePath(QStringLiteral("x.sdf"));
    QVERIFY(!document->DoSave(path));
    QCOMPARE(m_failures, QStringList{QStringLiteral("save ") + path});
    QVERIFY(document->GetPathName().isEmpty());
    QCOMPARE(document->GetTitle(), QStringLiteral("Tarnlink1"));
    QVERIFY(document->IsModified());
}

void TstDocView::printRunsHooksPerPage_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("three pages") << 3 << 0 << 0 << true
                                 << QStringList{"prepare", "begin", "page1", "page2", "page3", "end"};
    QTest::newRow("page count unknown: one page")
        << 0 << 0 << 0 << true << QStringList{"prepare", "begin", "page1", "end"};
    QTest::newRow("range chosen") << 5 << 2 << 3 << true
                                  << QStringList{"prepare", "begin", "page2", "page3", "end"};
    QTest::newRow("cancelled") << 3 << 0 << 0 << false << QStringList{"prepare"};
}

void TstDocView::printRunsHooksPerPage()
{
    QFETCH(int, pages);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, accept);
    QFETCH(QStringList, calls);
    CDocTemplate& sdf = AddTemplate(129, kSdfStrings);
    RecordingView* view = ViewOf(sdf.OpenDocumentFile(QString()));
    view->calls.clear();
    view->pages = pages;
    QPrinter& printer = m_manager->Printer();
    const QString pdf = m_dir->filePath(QStringLiteral("druck.pdf"));
    m_runner->SetScript([&](QDialog& dialog) {
        if (!qobject_cast<QPrintDialog*>(&dialog) || !accept)
            return int(QDialog::Rejected);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPrintRange(from > 0 ? QPrinter::PageRange : QPrinter::AllPages);
        printer.setFromTo(from, to);
        return int(QDialog::Accepted);
    });
    view->OnFilePrint();
    QCOMPARE(view->calls, calls);
    QCOMPARE(QFile::exists(pdf), accept);
    for (const QRect& rect : std::as_const(view->drawRects)) {
        QVERIFY(rect.width() > 100);
        QVERIFY(rect.height() > 100);
        QCOMPARE(rect.topLeft(), QPoint(0, 0));
    }
}

QTEST_MAIN(TstDocView)
#include "tst_docview.moc"
