#pragma once

#include "projectstate.h"

#include <QStringList>

namespace quorvel {

// Records every change of a project's state in order, e.g. "Printable on".
struct StateLog {
    QStringList log;

    explicit StateLog(ProjectState &state)
    {
        QObject::connect(&state, &ProjectState::modifiedChanged, &state,
                         [this](bool on) { record("Modified", on); });
        QObject::connect(&state, &ProjectState::printableChanged, &state,
                         [this](bool on) { record("Printable", on); });
    }

private:
    void record(const char *what, bool on) { log << QString::fromLatin1(what) + (on ? " on" : " off"); }
};

} // namespace quorvel
