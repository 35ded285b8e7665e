#pragma once
// The library's application object: its windows are owned by, and modal to, the host window
// whose handle it holds. It owns the forms it creates, runs the modal event loop on the calling
// thread, queues input for the forms and reports errors that escape event handlers.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/display/display.h"
#include "platform/display/virtual_keys.h"
#include "platform/ui/form.h"

namespace iv {

class TimerScheduler;

class Application {
 public:
  static Application &Instance();
  ~Application();
  Application(const Application &) = delete;
  Application &operator=(const Application &) = delete;

  std::uintptr_t Handle() const { return handle_; }
  void SetHandle(std::uintptr_t handle) { handle_ = handle; }

  // Creates a form the application owns, then raises its OnCreate. An error escaping OnCreate
  // gets the standard creation-error message and the form is returned all the same.
  template <class T, class... Args>
  T *CreateForm(Args &&...args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    T *created = form.get();
    forms_.push_back(std::move(form));
    RaiseCreate(*created);
    return created;
  }
  // Raises OnDestroy and frees a form the application owns; queued work for it is dropped.
  // Forms the application does not own are destroyed by their owner.
  void FreeForm(Form *form);
  // Frees an owned form on the application's next turn, after the work queued before.
  void ReleaseForm(Form &form);

  // Shows the form, makes it active and runs the event loop until the form is hidden (closed).
  // On a display that ends when idle, running out of work closes the form.
  void ShowModal(Form &form);
  Form *ActiveForm() const { return active_form_; }

  // Handles everything queued and every timer that is due, without waiting.
  void ProcessMessages();

  // Queues input for a form behind what is already queued; false when the queue is full.
  bool Post(Form &form, const InputEvent &event);
  // A key down followed by the character it types, or a key up, as a pressed key arrives.
  bool PostKeyEvent(Form &form, std::uint16_t vk, std::uint8_t scan, bool keyUp);
  // A key down and a key up, with the key's scan code.
  bool PostKeyStroke(Form &form, std::uint16_t vk);
  // A pointer move to (x, y), a left press and a left release there.
  bool PostClick(Form &form, int x, int y);
  // Writes the form's frame, as presented after the repaints queued before it, as PNG.
  bool PostSnapshot(Form &form, const std::string &pngPath);

  // Sees every input event before its form does; setting `handled` drops the event.
  std::function<void(Form &form, const InputEvent &event, bool &handled)> OnMessage;

  // The default handling of an error that escapes an event handler: its message on stderr.
  // The loop goes on.
  void HandleException(const std::exception &error);

  // The display back end, opened on first use (see OpenDisplay); tests may set their own.
  Display &GetDisplay();
  void SetDisplay(std::unique_ptr<Display> display);

 private:
  friend class Form;
  Application();
  template <class Action>
  void Guarded(Action &&action);
  struct Snapshot {
    std::string path;
  };
  struct Release {};
  struct QueuedWork {
    Form *form;
    std::variant<InputEvent, Snapshot, Release> work;
  };
  static constexpr std::size_t kQueueLimit = 65536;

  bool Enqueue(Form &form, std::variant<InputEvent, Snapshot, Release> work);
  // Does the oldest queued work; false when nothing is queued.
  bool ProcessOne();
  void Perform(QueuedWork &item);
  void PresentShowingForms();
  void RaiseCreate(Form &form);
  void Activate(Form &form);
  void Deactivate(Form &form);
  void EndModal(Form &form);
  // Handles the form's input and timers until it is no longer modal.
  void RunModalLoop(Form &form, Display &display, TimerScheduler &timers);
  void Forget(Form &form);
  bool Owns(const Form *form) const;

  std::uintptr_t handle_ = 0;
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<Form *> showing_;
  std::deque<QueuedWork> queue_;
  Form *active_form_ = nullptr;
  std::unique_ptr<Display> display_;
};

}  // namespace iv
