#pragma once
// The address-book import of the main window: participants chosen in the mail client's
// address book become roster rows. The session it logs on stays open for the next send.

#include "mail/mailer/mapi_delivery.h"
#include "roster/roster.h"

namespace ui {

void AddFromAddressBook(roster::Roster& roster, mail::MapiDelivery& mapi);

}  // namespace ui
