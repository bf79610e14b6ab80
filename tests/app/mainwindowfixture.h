#pragma once

#include "app/mainform.h"
#include "support/recordingstarter.h"
#include "support/scriptedprompts.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// Accepts every modal window of ours (the About box) as soon as it shows,
// the way a user would press Return.
class ModalCloser {
public:
    ModalCloser()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

// A main window on fakes, its program folder a fresh temporary folder.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        previousFolder_ = QDir::currentPath();
    }
    // The preview makes the document's folder current; the next test must
    // not start in a folder that is gone.
    void TearDown() override { QDir::setCurrent(previousFolder_); }

    TFM_MainForm& Start(const QStringList& arguments = {})
    {
        services.prompts = &prompts;
        services.starter = &starter;
        services.programFolder = folder.path();
        services.programFile = folder.filePath(QStringLiteral("kivopro32"));
        QApplication::setApplicationName(QStringLiteral("KivoPro32"));
        ModalCloser closer;
        window = std::make_unique<TFM_MainForm>(services, arguments);
        return *window;
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    RecordingStarter starter;
    PlatformServices services;
    std::unique_ptr<TFM_MainForm> window;

private:
    QString previousFolder_;
};
