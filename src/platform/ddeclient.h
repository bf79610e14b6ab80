#pragma once

#include <QString>

#include <chrono>
#include <memory>
#include <optional>

// One open link to a DDE server's service and topic; closed when destroyed.
class DdeConversation {
public:
    virtual ~DdeConversation() = default;
    // A synchronous request for `item` in the text format; nothing when the
    // server refuses or does not answer within `timeout`.
    virtual std::optional<QString> Request(const QString& item, std::chrono::milliseconds timeout) = 0;
};

// The client side of Dynamic Data Exchange, the way Windows programs asked a
// running browser to show a page.
class DdeClient {
public:
    virtual ~DdeClient() = default;
    // False where the platform has no DDE at all, so no server can ever
    // answer and callers can take another way.
    virtual bool Available() const = 0;
    // Nothing when no server answers for the service and topic.
    virtual std::unique_ptr<DdeConversation> Connect(const QString& service, const QString& topic) = 0;
};

// The client of a platform without DDE (Linux, macOS): nobody ever answers.
class UnavailableDdeClient : public DdeClient {
public:
    bool Available() const override { return false; }
    std::unique_ptr<DdeConversation> Connect(const QString& service, const QString& topic) override;
};
