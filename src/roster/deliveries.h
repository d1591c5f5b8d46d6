#pragma once
// The list a run sends, taken from the grid once when the run starts: the senders work from
// it and never read the grid themselves.

#include "mail/delivery_run.h"
#include "mail/send_values.h"
#include "roster/roster.h"

namespace roster {

// The drawing notifications: every data row, or in re-send mode the marked ones, each to
// the test address in test mode. Throws mail::DeliveryListError naming the first row whose
// receiver cell holds no drawn row.
mail::DeliveryRun DrawingDeliveries(const Roster& roster, const mail::SendValues& values);

// The free-form message to every data row. The desktop-mail path sends it to the
// participants' own addresses even in test mode, so `use_test_address` says which.
mail::DeliveryRun MessageDeliveries(const Roster& roster, const mail::SendValues& values,
                                    bool use_test_address);

}  // namespace roster
