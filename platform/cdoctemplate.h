// A document type: how to make its document, its child frame and its view, and its
// document strings (seven fields separated by "\n": window title, document name, name of
// a new file, file filter, extension, file type id, file type name). Its resource id also
// numbers its menu. The template owns the documents it made.
#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CDocManager;
class CDocument;
class CMdiChildFrame;
class CView;
class QMdiArea;

class CDocTemplate {
public:
    enum DocStringIndex {
        windowTitle = 0,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<CMdiChildFrame*()>;
    using ViewFactory = std::function<CView*(CDocument&)>;
    // The document strings in the language that is current when they are asked for.
    using TextSource = std::function<QString()>;

    CDocTemplate(int resourceId, TextSource docStrings, DocumentFactory createDocument,
                 FrameFactory createFrame, ViewFactory createView);
    ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    int ResourceId() const { return m_resourceId; }
    int MenuId() const { return m_resourceId; }
    QString GetDocString(DocStringIndex index) const;
    // True when `path` ends in the template's extension (any letter case).
    bool MatchesExtension(const QString& path) const;

    // Opens `path` in a new window; with an empty path the document is new. Null when the
    // document could not be made or read (the failure has been reported).
    CDocument* OpenDocumentFile(const QString& path);
    // The same with a document that `createDocument` makes in place of the template's own:
    // how a caller hands the new document what it is to show, as it is made.
    CDocument* OpenDocumentFile(const QString& path, const DocumentFactory& createDocument);
    // The default title of a new document: the new-file name and a running number.
    void SetDefaultTitle(CDocument& document);

    const std::vector<std::unique_ptr<CDocument>>& Documents() const { return m_documents; }
    CDocManager* Manager() const { return m_manager; }

private:
    friend class CDocManager;
    friend class CDocument;
    CMdiChildFrame* CreateNewFrame(CDocument& document);
    void InitialUpdateFrame(CMdiChildFrame& frame);
    static void PlaceOnCascade(const QMdiArea& area, CMdiChildFrame& frame,
                               const QList<QPoint>& taken);
    void RemoveDocument(CDocument* document);

    int m_resourceId;
    TextSource m_docStrings;
    DocumentFactory m_createDocument;
    FrameFactory m_createFrame;
    ViewFactory m_createView;
    CDocManager* m_manager = nullptr;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    int m_untitledCount = 0;
};
