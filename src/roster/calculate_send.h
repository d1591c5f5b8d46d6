#pragma once
// Calculate & Send: draw without showing, ask for the texts, archive, hand over to the sender.
// The steps that belong to other areas (the send dialog, the archive, the two senders) come
// in through SendErrand, so the window and the command-line program run the same flow.

#include "roster/roster.h"

namespace roster {

class SendErrand {
 public:
  virtual ~SendErrand() = default;
  // Clears SendConfirmed, shows the send dialog; true when the user chose Send.
  virtual bool ConfirmSend() = 0;
  // Archives the roster with its hidden receivers (list file and log).
  virtual void SaveDrawingHistory() = 0;
  // Which sender the settings choose.
  virtual bool UseSMTP() const = 0;
  virtual void SmtpSendDrawing() = 0;
  virtual void MapiSendDrawing() = 0;
};

// Runs the whole errand on the roster. The organiser never sees the result: column 4 keeps
// its hidden numbers throughout.
void CalculateAndSend(Roster& roster, SendErrand& errand);

}  // namespace roster
