#include "app/clsDocumentFacet.h"

#include "app/clsDocument.h"

#include <utility>

clsSubscription clsDocumentFacet::SubscribeChanged(ChangedEvent::Handler fnHandler)
{
    return m_doc.SubscribeChanged(std::move(fnHandler));
}

const clsEditContext& clsDocumentFacet::Edit() const
{
    return m_doc.Edit();
}

bool clsDocumentFacet::MayEdit() const
{
    return m_doc.Edit().MayEdit();
}
