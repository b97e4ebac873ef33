#include "platform/cdoctemplate.h"

#include "platform/ccascadeplacer.h"
#include "platform/cdocmanager.h"
#include "platform/cdocument.h"
#include "platform/cmdichildframe.h"
#include "platform/cview.h"

#include <QMdiArea>
#include <QPointer>
#include <QStyle>

#include <algorithm>

CDocTemplate::CDocTemplate(int resourceId, TextSource docStrings, DocumentFactory createDocument,
                           FrameFactory createFrame, ViewFactory createView)
    : m_resourceId(resourceId),
      m_docStrings(std::move(docStrings)),
      m_createDocument(std::move(createDocument)),
      m_createFrame(std::move(createFrame)),
      m_createView(std::move(createView))
{
}

CDocTemplate::~CDocTemplate()
{
    // Documents whose frames still exist are let go of by those frames first.
    for (const auto& document : m_documents)
        document->m_template = nullptr;
}

QString CDocTemplate::GetDocString(DocStringIndex index) const
{
    const QString strings = m_docStrings ? m_docStrings() : QString();
    return strings.split(QLatin1Char('\n')).value(index);
}

bool CDocTemplate::MatchesExtension(const QString& path) const
{
    const QString extension = GetDocString(filterExt);
    return !extension.isEmpty() && path.endsWith(extension, Qt::CaseInsensitive);
}

void CDocTemplate::SetDefaultTitle(CDocument& document)
{
    QString name = GetDocString(fileNewName);
    if (name.isEmpty())
        name = GetDocString(docName);
    document.SetTitle(name + QString::number(++m_untitledCount));
}

CDocument* CDocTemplate::OpenDocumentFile(const QString& path)
{
    return OpenDocumentFile(path, m_createDocument);
}

CDocument* CDocTemplate::OpenDocumentFile(const QString& path,
                                          const DocumentFactory& createDocument)
{
    std::unique_ptr<CDocument> created = createDocument ? createDocument() : nullptr;
    if (!created)
        return nullptr;
    CDocument* document = created.get();
    document->m_template = this;
    m_documents.push_back(std::move(created));

    CMdiChildFrame* frame = CreateNewFrame(*document);
    if (!frame) {
        RemoveDocument(document);
        return nullptr;
    }
    if (path.isEmpty()) {
        SetDefaultTitle(*document);
        if (!document->OnNewDocument()) {
            delete frame; // ends the document
            return nullptr;
        }
    } else {
        if (!document->OnOpenDocument(path)) {
            // The document goes with its frame.
            const QString reason = document->OpenFailureReason();
            delete frame;
            if (m_manager)
                m_manager->ReportFailure(CDocManager::Failure::Open, path, reason);
            return nullptr;
        }
        document->SetPathName(path, false);
    }
    InitialUpdateFrame(*frame);
    // Only a file that its window took goes into the recent files; a view may still refuse
    // it while it fills itself.
    const CView* view = frame->GetActiveView();
    if (!path.isEmpty() && m_manager && !(view && view->IsClosing()))
        m_manager->AddToRecentFileList(document->GetPathName());
    return document;
}

CMdiChildFrame* CDocTemplate::CreateNewFrame(CDocument& document)
{
    if (!m_createFrame || !m_createView)
        return nullptr;
    CMdiChildFrame* frame = m_createFrame();
    if (!frame)
        return nullptr;
    CView* view = m_createView(document);
    if (!view) {
        delete frame;
        return nullptr;
    }
    if (m_manager)
        view->SetPrintServices(m_manager->ModalRunner(), &m_manager->Printer(),
                               [manager = m_manager] {
                                   manager->ReportFailure(CDocManager::Failure::Print, QString());
                               });
    frame->Attach(document, view);
    frame->PreCreateWindow();
    // The frame belongs to the MDI area from the start, hidden until its first update.
    if (QMdiArea* area = m_manager ? m_manager->MdiArea() : nullptr)
        area->addSubWindow(frame);
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CMdiChildFrame& frame)
{
    if (CView* view = frame.GetActiveView())
        view->OnInitialUpdate();
    QMdiArea* area = m_manager ? m_manager->MdiArea() : nullptr;
    if (!area) {
        frame.show();
        return;
    }
    // A window takes its size when it is shown, and its showing may move another window
    // beside it (a parameter file's page beside the online page of its axis): the places
    // before are kept, and what moved goes along when the new window takes its place.
    struct Place {
        QPointer<QMdiSubWindow> window;
        QPoint before;
    };
    QList<Place> places;
    QList<QPoint> taken;
    const QList<QMdiSubWindow*> windows = area->subWindowList();
    for (QMdiSubWindow* window : windows) {
        if (window != &frame && window->isVisible() && !window->isMinimized()) {
            places.append({window, window->pos()});
            taken.append(window->pos());
        }
    }
    frame.show();
    const QPoint shown = frame.pos();
    PlaceOnCascade(*area, frame, taken);
    if (const QPoint moved = frame.pos() - shown; !moved.isNull()) {
        for (const Place& place : places) {
            if (place.window && place.window->pos() != place.before)
                place.window->move(place.window->pos() + moved);
        }
    }
    area->setActiveSubWindow(&frame);
}

void CDocTemplate::PlaceOnCascade(const QMdiArea& area, CMdiChildFrame& frame,
                                  const QList<QPoint>& taken)
{
    const int step = frame.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &frame) +
                     frame.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &frame);
    frame.move(CCascadePlacer::Place(frame.size(), area.viewport()->size(), step, taken));
}

void CDocTemplate::RemoveDocument(CDocument* document)
{
    const auto it = std::find_if(m_documents.begin(), m_documents.end(),
                                 [document](const auto& owned) { return owned.get() == document; });
    if (it != m_documents.end())
        m_documents.erase(it); // deletes the document
}
