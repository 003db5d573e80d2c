#pragma once

class MKApplication;

// Carries out an "install" or "uninstall" command line. True when one was
// carried out (the caller then exits); an unknown option ends the process
// with the parser's message and exit code 1.
bool ParserCmd(MKApplication& app);
