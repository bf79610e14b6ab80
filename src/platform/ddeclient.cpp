#include "platform/ddeclient.h"

std::unique_ptr<DdeConversation> UnavailableDdeClient::Connect(const QString&, const QString&)
{
    return nullptr;
}
