#include "platform/ui/application.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "platform/gfx/png_writer.h"
#include "platform/text/gbk.h"
#include "platform/ui/timer.h"

namespace iv {

Application &Application::Instance() {
  static Application application;
  return application;
}

Application::Application() {
  // The forms' timers unregister when the forms go, so the scheduler must outlive them.
  TimerScheduler::Instance();
}

Application::~Application() {
  queue_.clear();
  while (!forms_.empty()) forms_.pop_back();
}

template <class Action>
void Application::Guarded(Action &&action) {
  try {
    action();
  } catch (const std::exception &error) {
    HandleException(error);
  } catch (...) {
    HandleException(std::runtime_error("Unknown error"));
  }
}

void Application::HandleException(const std::exception &error) {
  std::fprintf(stderr, "invoiceview: %s\n", GbkToUtf8(error.what()).c_str());
  std::fflush(stderr);
}

void Application::RaiseCreate(Form &form) {
  Guarded([&] {
    if (form.OnCreate) form.OnCreate(form);
  });
}

bool Application::Owns(const Form *form) const {
  return std::any_of(forms_.begin(), forms_.end(), [form](const auto &owned) { return owned.get() == form; });
}

void Application::FreeForm(Form *form) {
  if (form == nullptr || !Owns(form)) return;
  // A form whose modal display still runs goes once the display is over.
  if (form->modal_) {
    ReleaseForm(*form);
    return;
  }
  Guarded([&] {
    if (form->OnDestroy) form->OnDestroy(*form);
  });
  std::erase_if(forms_, [form](const auto &owned) { return owned.get() == form; });
}

void Application::ReleaseForm(Form &form) {
  if (Owns(&form)) Enqueue(form, Release{});
}

void Application::Forget(Form &form) {
  std::erase_if(queue_, [&form](const QueuedWork &item) { return item.form == &form; });
  std::erase(showing_, &form);
  if (active_form_ == &form) active_form_ = nullptr;
}

Display &Application::GetDisplay() {
  if (display_ == nullptr) display_ = OpenDisplay();
  return *display_;
}

void Application::SetDisplay(std::unique_ptr<Display> display) { display_ = std::move(display); }

void Application::Activate(Form &form) {
  if (form.active_) return;
  if (active_form_ != nullptr) Deactivate(*active_form_);
  active_form_ = &form;
  form.active_ = true;
  if (form.OnActivate) form.OnActivate(form);
}

void Application::Deactivate(Form &form) {
  if (!form.active_) return;
  form.active_ = false;
  if (active_form_ == &form) active_form_ = nullptr;
  if (form.OnDeactivate) form.OnDeactivate(form);
}

void Application::EndModal(Form &form) {
  if (!form.Showing()) return;
  form.modal_ = false;
  Deactivate(form);
  form.window_.reset();
  std::erase(showing_, &form);
}

void Application::ShowModal(Form &form) {
  if (form.Showing()) return;
  Display &display = GetDisplay();
  const WindowPlacement placement{form.Left(), form.Top(), form.Width(), form.Height(), form.Caption(), handle_};
  form.window_ = display.OpenWindow(placement, [this, target = &form](const InputEvent &event) { Enqueue(*target, event); });
  form.modal_ = true;
  showing_.push_back(&form);
  Guarded([&] {
    form.Repaint();
    form.PresentFrame();
  });
  Guarded([&] { Activate(form); });
  PresentShowingForms();

  TimerScheduler &timers = TimerScheduler::Instance();
  try {
    RunModalLoop(form, display, timers);
  } catch (...) {
    // A display that breaks leaves no window open and no form half modal: its owner can free it.
    EndModal(form);
    throw;
  }
}

void Application::RunModalLoop(Form &form, Display &display, TimerScheduler &timers) {
  while (form.modal_) {
    if (ProcessOne()) continue;
    if (timers.AnyDue()) {
      timers.TickDue();
      PresentShowingForms();
      continue;
    }
    if (display.EndsWhenIdle()) {
      // Nothing can happen any more: the display ends as if the customer had left.
      Guarded([&] { form.Close(); });
      EndModal(form);
      break;
    }
    display.WaitForInput(timers.TimeUntilNextTick());
  }
}

void Application::ProcessMessages() {
  if (display_ != nullptr) display_->WaitForInput(Milliseconds(0));
  TimerScheduler::Instance().TickDue();
  PresentShowingForms();
  while (ProcessOne()) {
  }
}

bool Application::Enqueue(Form &form, std::variant<InputEvent, Snapshot, Release> work) {
  if (queue_.size() >= kQueueLimit) return false;
  queue_.push_back({&form, std::move(work)});
  return true;
}

bool Application::Post(Form &form, const InputEvent &event) { return Enqueue(form, event); }

bool Application::PostKeyEvent(Form &form, std::uint16_t vk, std::uint8_t scan, bool keyUp) {
  InputEvent key;
  key.kind = keyUp ? InputEvent::Kind::KeyUp : InputEvent::Kind::KeyDown;
  key.vk = vk;
  key.scan = scan;
  if (!Enqueue(form, key)) return false;
  const char typed = keyUp ? '\0' : KeyCharacter(vk, 0);
  if (typed == '\0') return true;
  InputEvent character;
  character.kind = InputEvent::Kind::Char;
  character.ch = typed;
  return Enqueue(form, character);
}

bool Application::PostKeyStroke(Form &form, std::uint16_t vk) {
  const auto scan = std::uint8_t(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  return PostKeyEvent(form, vk, scan, false) && PostKeyEvent(form, vk, scan, true);
}

bool Application::PostClick(Form &form, int x, int y) {
  InputEvent pointer;
  pointer.x = x;
  pointer.y = y;
  pointer.button = mbLeft;
  for (InputEvent::Kind kind : {InputEvent::Kind::MouseMove, InputEvent::Kind::MouseDown, InputEvent::Kind::MouseUp}) {
    pointer.kind = kind;
    if (!Enqueue(form, pointer)) return false;
  }
  return true;
}

bool Application::PostSnapshot(Form &form, const std::string &pngPath) { return Enqueue(form, Snapshot{pngPath}); }

bool Application::ProcessOne() {
  if (queue_.empty()) return false;
  QueuedWork item = std::move(queue_.front());
  queue_.pop_front();
  Guarded([&] { Perform(item); });
  PresentShowingForms();
  return true;
}

void Application::Perform(QueuedWork &item) {
  Form &form = *item.form;
  if (const auto *event = std::get_if<InputEvent>(&item.work)) {
    // A hidden form's window takes no input.
    if (!form.Showing()) return;
    bool handled = false;
    if (OnMessage) OnMessage(form, *event, handled);
    if (!handled) form.HandleInput(*event);
  } else if (const auto *snapshot = std::get_if<Snapshot>(&item.work)) {
    form.UpdateWindow();
    WritePng(form.Surface(), snapshot->path);
  } else if (!form.modal_) {
    FreeForm(&form);  // a released form shown again before its release stays its owner's
  }
}

void Application::PresentShowingForms() {
  // A copy: a repaint may show or hide forms.
  const std::vector<Form *> showing = showing_;
  for (Form *form : showing)
    if (std::find(showing_.begin(), showing_.end(), form) != showing_.end()) Guarded([&] { form->UpdateWindow(); });
}

}  // namespace iv
