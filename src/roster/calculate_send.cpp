#include "roster/calculate_send.h"

#include <exception>

#include "core/tr.h"

namespace roster {

void CalculateAndSend(Roster& roster, SendErrand& errand) {
  try {
    if (!roster.ReSendMode) {
      roster.ResetSelection(false);
      if (!roster.CalculateDrawing()) return;  // the drawing has shown its own message
      roster.UpdateSecretSantaInfo(false);
    }
    if (!errand.ConfirmSend()) return;  // the hidden drawing stays; nothing archived or sent
    errand.SaveDrawingHistory();
    if (errand.UseSMTP())
      errand.SmtpSendDrawing();
    else
      errand.MapiSendDrawing();
  } catch (const std::exception&) {
    roster.ui().MsgBox(core::Tr("Roster", "Error while attempting to send messages"),
                       mb::kCritical);
  }
}

}  // namespace roster
