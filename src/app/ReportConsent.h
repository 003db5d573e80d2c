#pragma once

class MKMultiViewManager;

// Follows the user's answer about reports in this process: starts the usage
// channels and the crash reporter on a yes, drops what waits to be sent on a
// no. Connected once, in main.
void FollowReportConsent();
// 1000 ms after start: asks once whether anonymous usage statistics and
// crash reports may be sent (the answer defaults to no), waiting for any
// other question on screen first; then counts the launch if allowed.
void AskReportConsentThenCount(MKMultiViewManager* manager);
