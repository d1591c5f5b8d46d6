#include "ui/wire_mapi.h"

#include <QEventLoop>
#include <QObject>
#include <QStatusBar>
#include <exception>
#include <thread>

#include "core/tr.h"
#include "mail/mailer/mailer_client.h"
#include "roster/deliveries.h"
#include "settings/file_settings_store.h"
#include "settings/registry.h"
#include "ui/address_book_rows.h"
#include "ui/contact_picker.h"
#include "ui/main_window.h"
#include "ui/send_dialogs.h"
#include "ui/window_run.h"

namespace ui {

namespace {

// The window's clock as it is at each call (tests may replace it after wiring).
class WindowClock : public roster::Clock {
 public:
  explicit WindowClock(MainWindow& w) : w_(w) {}
  std::chrono::system_clock::time_point Now() const override { return w_.clock().Now(); }

 private:
  MainWindow& w_;
};

// The mailer works on a thread of its own while the window goes on painting and answering
// (its commands that would disturb the run are off). Each hand-over is told to the window's
// run, so the ledger has it in flight before the mailer gets it.
class WindowMailerClient : public mail::MailerClient {
 public:
  WindowMailerClient(MainWindow& w, const roster::Clock& clock, mail::AddressBook* book)
      : MailerClient(w.MailSettings, clock, book), w_(w) {}
  void Send(bool dialog) override {
    auto* run = w_.findChild<WindowRun*>("windowRun", Qt::FindDirectChildrenOnly);
    if (!run || !run->Active()) {
      SendAside(dialog);
      return;
    }
    if (run->StopRequested())
      throw mail::MailClientError(
          core::Tr("Mapi", "Sending was cancelled; the remaining messages were not sent"));
    const std::size_t index = run->Started();
    run->OnDeliveryState(index, {mail::DeliveryState::kInFlight, {}});
    try {
      SendAside(dialog);
    } catch (const std::exception& e) {
      run->OnDeliveryState(index, {mail::DeliveryState::kRefused, e.what()});
      throw;
    }
    run->OnDeliveryState(index, {mail::DeliveryState::kAccepted, {}});
  }

 private:
  // The mailer may take up to its time-out; the event loop runs meanwhile.
  void SendAside(bool dialog) {
    std::exception_ptr failure;
    QEventLoop loop;
    std::thread worker([&] {
      try {
        MailerClient::Send(dialog);
      } catch (...) {
        failure = std::current_exception();
      }
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (failure) std::rethrow_exception(failure);
  }

  MainWindow& w_;
};

// MapiSess and MapiMess of the window: the mail client with its address book and the
// operations over them, living as long as the window.
class MapiControls : public QObject {
 public:
  explicit MapiControls(MainWindow& w)
      : QObject(&w),
        clock(w),
        book(
            &w, [&w] { return LastContactsFile(w); },
            [&w](const std::string& path) {
              mail::FileSettingsStore store(w.paths().config_file);
              mail::SaveRegistryValue(store, mail::kValueContactsFile, path, mail::kTypeString);
            }),
        client(w, clock, &book),
        delivery(w.roster().ui(), w.roster().MapiLoggedOn, client, w.SendValues) {
    setObjectName("MapiSess");
    delivery.ShowSendMessageDialog = [&w] { ShowFrmSendMessage(&w, w.SendValues); };
    delivery.RunNewCommand = [&w] { w.RunCommand("mnuNew"); };
    // The desktop-mail path sends the free-form message to the participants' own addresses.
    delivery.Deliveries = [&w](bool free_form) {
      return free_form ? roster::MessageDeliveries(w.roster(), w.SendValues, false)
                       : roster::DrawingDeliveries(w.roster(), w.SendValues);
    };
  }

  static std::string LastContactsFile(MainWindow& w) {
    mail::FileSettingsStore store(w.paths().config_file);
    mail::RegistryValue v = mail::LoadRegistryValue(store, mail::kValueContactsFile);
    const std::string* s = std::get_if<std::string>(&v);
    return s ? *s : std::string();
  }

  WindowClock clock;
  QtAddressBook book;
  WindowMailerClient client;
  mail::MapiDelivery delivery;
};

MapiControls* ControlsOf(MainWindow& w) {
  return w.findChild<MapiControls*>("MapiSess", Qt::FindDirectChildrenOnly);
}

}  // namespace

mail::MapiDelivery* MapiDeliveryOf(MainWindow& w) {
  MapiControls* c = ControlsOf(w);
  return c ? &c->delivery : nullptr;
}

void SetMailerTimeout(MainWindow& w, std::chrono::milliseconds timeout) {
  if (MapiControls* c = ControlsOf(w)) c->client.SetTimeout(timeout);
}

void MapiSendDrawing(MainWindow& w) {
  if (mail::MapiDelivery* d = MapiDeliveryOf(w)) d->MapiSendDrawing();
}

void MapiSendMessage(MainWindow& w) {
  if (mail::MapiDelivery* d = MapiDeliveryOf(w)) d->MapiSendMessage();
}

void WireMapiCommands(MainWindow& w) {
  auto* controls = new MapiControls(w);
  mail::MapiDelivery& d = controls->delivery;
  w.OnCommand("mnuAddressBook", [&w, &d] { AddFromAddressBook(w.roster(), d); });
  w.OnCommand("MapiSendDrawing", [&d] { d.MapiSendDrawing(); });
  w.OnCommand("MapiSendMessage", [&d] { d.MapiSendMessage(); });
  w.AddShutdownStep([&w, &d] {
    if (w.roster().MapiLoggedOn) d.MapiLogoff();
  });
}

}  // namespace ui
