#pragma once

#include "messageboxes.h"

#include <QList>
#include <QStringList>

namespace quorvel {

// Records every box (kind and text) and answers questions from a scripted queue;
// a question with no scripted answer is answered No.
class FakeMessageBoxes : public MessageBoxes {
public:
    void warning(const QString &text) override { record(QStringLiteral("warning"), text); }
    bool question(const QString &text) override
    {
        record(QStringLiteral("question"), text);
        return answers_.isEmpty() ? false : answers_.takeFirst();
    }
    bool questionDefaultNo(const QString &text) override { return question(text); }
    void information(const QString &text) override { record(QStringLiteral("information"), text); }
    void error(const QString &text) override { record(QStringLiteral("error"), text); }

    // Queues the answers of the next questions (true = Yes).
    void answer(bool yes) { answers_.append(yes); }
    void answerQuestions(const QList<bool> &answers) { answers_.append(answers); }

    // Every box in order, as "kind: text".
    QStringList shown() const
    {
        QStringList all;
        for (const Box &box : boxes_)
            all << box.kind + QStringLiteral(": ") + box.text;
        return all;
    }
    QStringList warnings() const { return texts(QStringLiteral("warning")); }
    QStringList questions() const { return texts(QStringLiteral("question")); }
    QStringList informations() const { return texts(QStringLiteral("information")); }
    QStringList errors() const { return texts(QStringLiteral("error")); }
    void clear() { boxes_.clear(); }

private:
    struct Box {
        QString kind;
        QString text;
    };
    void record(const QString &kind, const QString &text) { boxes_.append({kind, text}); }
    QStringList texts(const QString &kind) const
    {
        QStringList found;
        for (const Box &box : boxes_)
            if (box.kind == kind)
                found << box.text;
        return found;
    }

    QList<Box> boxes_;
    QList<bool> answers_;
};

} // namespace quorvel
