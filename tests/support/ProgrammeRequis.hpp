#pragma once
// A test that needs an outside program (LibreOffice, Chromium) is skipped
// where it is not installed, except in continuous integration (the CI
// environment variable set), where scripts/installe-paquets installs it and
// its absence is a failure. A macro: it ends the calling test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#define K58204_EXIGE_PROGRAMME(nom)                                                                 \
    if (std::system(("command -v " + std::string(nom) + " >/dev/null 2>&1").c_str()) != 0) {        \
        if (std::getenv("CI")) FAIL() << nom << " not installed (scripts/installe-paquets installs it)"; \
        GTEST_SKIP() << nom << " not installed";                                                    \
    }
