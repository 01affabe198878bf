// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QValidator>

#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "prompts.h"

// Answers the game's prompts in place of the real boxes, at once and in the
// order scripted, and notes what each one asked. A prompt that was not
// expected, or an expected one that never came, fails the running test.
class ScriptedPrompts final : public kwintor::Prompts {
public:
    enum class Kind { Message, Input, Error };

    struct Question {
        Kind kind;
        QString text;  // the message, the input box's prompt or the error
        QString caption;  // the input box's
        QString initialText;  // the input box's
    };

    // Runs while the box would be up, before it is answered.
    using Meanwhile = std::function<void()>;

    ScriptedPrompts() = default;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    ~ScriptedPrompts()
    {
        if (!script_.empty())
            Fail(QStringLiteral("expected %1 never came").arg(NameOf(script_.front().kind)));
    }

    // A message box comes next, answered with `result`.
    ScriptedPrompts& Message(int result = kwintor::MessageBoxOk, Meanwhile meanwhile = {})
    {
        script_.push_back({Kind::Message, result, std::nullopt, std::move(meanwhile)});
        return *this;
    }

    // An input box comes next: OK after typing `typed`, Cancel without.
    ScriptedPrompts& Input(std::optional<QString> typed, Meanwhile meanwhile = {})
    {
        script_.push_back({Kind::Input, 0, std::move(typed), std::move(meanwhile)});
        return *this;
    }

    // The error display comes next and is confirmed.
    ScriptedPrompts& Error(Meanwhile meanwhile = {})
    {
        script_.push_back({Kind::Error, 0, std::nullopt, std::move(meanwhile)});
        return *this;
    }

    const QList<Question>& Asked() const { return asked_; }

    QStringList AskedTexts() const
    {
        QStringList texts;
        for (const Question& question : asked_)
            texts << question.text;
        return texts;
    }

    bool Finished() const { return script_.empty(); }

    int MessageBox(const QString& text) override
    {
        const std::optional<Step> step = Next({Kind::Message, text, {}, {}});
        // Unexpected, it is closed by its frame: that goes on to nothing else.
        return step ? step->result : int(kwintor::MessageBoxClosed);
    }

    QString InputBox(const QString& caption, const QString& prompt, const QString& initialText,
                     const QValidator* validator) override
    {
        const std::optional<Step> step = Next({Kind::Input, prompt, caption, initialText});
        if (!step || !step->typed)
            return initialText;
        // What is typed passes the box's validator, as the real line would have it.
        QString text = *step->typed;
        int position = int(text.size());
        if (validator && validator->validate(text, position) == QValidator::Invalid) {
            Fail(QStringLiteral("the input box refuses „%1”").arg(*step->typed));
            return initialText;
        }
        return text;
    }

    void ErrorDisplay(const QString& message) override { Next({Kind::Error, message, {}, {}}); }

private:
    struct Step {
        Kind kind;
        int result;
        std::optional<QString> typed;
        Meanwhile meanwhile;
    };

    static QString NameOf(Kind kind)
    {
        switch (kind) {
        case Kind::Message: return QStringLiteral("message box");
        case Kind::Input: return QStringLiteral("input box");
        case Kind::Error: return QStringLiteral("error display");
        }
        return {};
    }

    static void Fail(const QString& message)
    {
        QTest::qFail(qPrintable(QStringLiteral("prompts: ") + message), __FILE__, __LINE__);
    }

    // The step that answers `question`, taken off the script before its
    // Meanwhile runs, so that a prompt coming meanwhile takes the one after.
    std::optional<Step> Next(const Question& question)
    {
        asked_ << question;
        if (script_.empty() || script_.front().kind != question.kind) {
            Fail(QStringLiteral("unexpected %1 „%2”").arg(NameOf(question.kind), question.text));
            return std::nullopt;
        }
        Step step = std::move(script_.front());
        script_.pop_front();
        if (step.meanwhile)
            step.meanwhile();
        return step;
    }

    std::deque<Step> script_;
    QList<Question> asked_;
    kwintor::PromptsInPlace inPlace_ {*this};
};
