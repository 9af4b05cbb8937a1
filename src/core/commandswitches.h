#pragma once

namespace quorvel {

// The main window's three project commands as the core switches them:
// Save (toolbar button), Save as (menu item) and Print (toolbar button).
// An enabled Save stands for unsaved changes.
class CommandSwitches {
public:
    virtual ~CommandSwitches() = default;
    virtual void setSaveEnabled(bool on) = 0;
    virtual void setSaveAsEnabled(bool on) = 0;
    virtual void setPrintEnabled(bool on) = 0;
    virtual bool saveEnabled() const = 0;
};

// For the calculation run without a window (the command-line designer): there are no
// buttons to switch.
class NoCommandSwitches final : public CommandSwitches {
public:
    void setSaveEnabled(bool) override {}
    void setSaveAsEnabled(bool) override {}
    void setPrintEnabled(bool) override {}
    bool saveEnabled() const override { return false; }
};

} // namespace quorvel
