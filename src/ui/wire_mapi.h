#pragma once
// The desktop-mail path on the main window. WireMapiCommands attaches the address book
// (mnuAddressBook) and the logoff at unload; the Calculate & Send flow and the Send Message
// command call the two senders below when the settings choose the desktop mail client. They
// are also registered as the commands "MapiSendDrawing" and "MapiSendMessage".

#include <chrono>

#include "mail/mailer/mapi_delivery.h"

namespace ui {

class MainWindow;

void MapiSendDrawing(MainWindow& w);
void MapiSendMessage(MainWindow& w);

// The window's desktop-mail operations (for tests and the send flow); null before wiring.
mail::MapiDelivery* MapiDeliveryOf(MainWindow& w);
// How long the mailer may take over one message (default 60 seconds).
void SetMailerTimeout(MainWindow& w, std::chrono::milliseconds timeout);

}  // namespace ui
