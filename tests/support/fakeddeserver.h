#pragma once

#include "platform/ddeclient.h"

#include <QStringList>

#include <vector>

// A DDE server that answers while `running`, recording every link tried and
// every item asked for, so a test can check the texts of an exchange.
class FakeDdeServer : public DdeClient {
public:
    struct Attempt {
        QString service;
        QString topic;
        bool connected = false;
    };
    struct Requested {
        QString topic;
        QString item;
        std::chrono::milliseconds timeout{0};
    };

    bool running = false;
    // While set, requests get no answer (a time-out, as the caller sees it).
    bool refusing = false;
    std::vector<Attempt> attempts;
    std::vector<Requested> requests;
    // Links still open.
    int openLinks = 0;

    bool Available() const override { return true; }

    std::unique_ptr<DdeConversation> Connect(const QString& service, const QString& topic) override
    {
        attempts.push_back({service, topic, running});
        if (!running)
            return nullptr;
        return std::make_unique<Link>(*this, topic);
    }

    QStringList Items() const
    {
        QStringList items;
        for (const Requested& request : requests)
            items << request.topic + QLatin1Char('|') + request.item;
        return items;
    }

private:
    class Link : public DdeConversation {
    public:
        Link(FakeDdeServer& server, QString topic) : server_(server), topic_(std::move(topic)) { ++server_.openLinks; }
        ~Link() override { --server_.openLinks; }
        std::optional<QString> Request(const QString& item, std::chrono::milliseconds timeout) override
        {
            server_.requests.push_back({topic_, item, timeout});
            if (server_.refusing)
                return std::nullopt;
            return QStringLiteral("1");
        }

    private:
        FakeDdeServer& server_;
        QString topic_;
    };
};
