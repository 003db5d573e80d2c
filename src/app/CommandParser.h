#pragma once

class CLaunchRequest;
class MKApplication;

// Carries out an "install" or "uninstall" command line. True when one was
// carried out (the caller then exits).
bool ParserCmd(const CLaunchRequest& launch, MKApplication& app);
