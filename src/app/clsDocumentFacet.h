#pragma once
// What every facet of the document shares: the document's change event and its edit context.
// A facet is a narrow view of one concern of the work, owned by the document and living as
// long as it; a view includes the facet it needs, not the document.

#include "app/DocumentParts.h"
#include "app/clsEditContext.h"

class clsDocument;

class clsDocumentFacet : public DocumentParts
{
public:
    clsDocumentFacet(const clsDocumentFacet&) = delete;
    clsDocumentFacet& operator=(const clsDocumentFacet&) = delete;

    // Every listener is called after each command of the document with the parts it changed.
    [[nodiscard]] clsSubscription SubscribeChanged(ChangedEvent::Handler fnHandler);
    // May an edit or a command run now (run, work lock, batch).
    const clsEditContext& Edit() const;

protected:
    explicit clsDocumentFacet(clsDocument& doc)
        : m_doc(doc)
    {}
    ~clsDocumentFacet() = default;
    // A user's edit: refused under a run, the work lock or a batch.
    bool MayEdit() const;

    clsDocument& m_doc;
};
