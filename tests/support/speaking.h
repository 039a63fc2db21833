#pragma once

#include "project/language.h"

#include <QCoreApplication>

namespace velkon::test {

// An application object with the program's translators of one language
// installed, for as long as it lives (one at a time).
class TSpeaking {
public:
    explicit TSpeaking(TLanguage language) : app_(argc_, argv_) { Installed = InstallTranslators(app_, language); }
    bool Installed = false;

private:
    int argc_ = 1;
    char name_[5] = "test";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication app_;
};

} // namespace velkon::test
