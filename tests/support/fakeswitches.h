#pragma once

#include "commandswitches.h"

#include <QStringList>

namespace quorvel {

// Records every switch of Save, Save as and Print in order, e.g. "Print on".
class FakeSwitches : public CommandSwitches {
public:
    QStringList log;
    bool save = false;
    bool saveAs = false;
    bool print = false;

    void setSaveEnabled(bool on) override { save = on; record("Save", on); }
    void setSaveAsEnabled(bool on) override { saveAs = on; record("Save as", on); }
    void setPrintEnabled(bool on) override { print = on; record("Print", on); }
    bool saveEnabled() const override { return save; }

private:
    void record(const char *command, bool on)
    {
        log << QString::fromLatin1(command) + (on ? " on" : " off");
    }
};

} // namespace quorvel
