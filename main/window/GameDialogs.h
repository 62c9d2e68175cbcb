#pragma once

#include "AboutDialog.h"
#include "OptionDialog.h"
#include "StatusDialog.h"

#include <memory>

// The dialogs the main window shows. Each is built on its first showing: nothing of a
// dialog is seen before that, and a start that builds none shows its window sooner.
class GameDialogs {
public:
    TOptionDialog& OptionDialog() { return Built(option); }
    TAboutDialog& AboutDialog() { return Built(about); }
    TStatusDialog& StatusDialog() { return Built(status); }

private:
    template <typename Form>
    static Form& Built(std::unique_ptr<Form>& form)
    {
        if (!form)
            form = std::make_unique<Form>();
        return *form;
    }

    std::unique_ptr<TOptionDialog> option;
    std::unique_ptr<TAboutDialog> about;
    std::unique_ptr<TStatusDialog> status;
};
