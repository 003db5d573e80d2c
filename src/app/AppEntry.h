#pragma once

#include <QtGlobal>

class CSingleInstance;

// The application proper: windows, documents and everything they use. It is
// a library of its own, which the process entry loads only once it knows
// that this process is to be the running instance, so that a launch which
// merely hands its file over loads nothing but Qt's core library.
//
// launched is the guard the entry made for an ordinary launch, owned by the
// entry and alive until this returns; null when the command line is a
// mistake or asks only for --help or --version.
extern "C" Q_DECL_EXPORT int RvpdfRunApplication(int argc, char** argv, CSingleInstance* launched);

using RunApplicationFunction = int (*)(int argc, char** argv, CSingleInstance* launched);
constexpr char kRunApplicationSymbol[] = "RvpdfRunApplication";
