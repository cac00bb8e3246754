// DirectInput look-alike: the system mouse's record queue and the keyboard's
// key states, filled by the backend through the feed functions.
#include "platform/dinput.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <deque>

#include "platform/backend.h"
#include "platform/system.h"

const GUID GUID_SysMouse = {0x6F1D2B60, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0, 0}};
const GUID GUID_SysKeyboard = {
    0x6F1D2B61, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0, 0}};
const GUID IID_IDirectInput8A = {
    0xBF798030, 0x483A, 0x4DA2, {0xAA, 0x99, 0x5D, 0x64, 0xED, 0x36, 0x97, 0x00}};
const GUID DIPROP_BUFFERSIZE = {1, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
const DIDATAFORMAT c_dfDIMouse = {16};
const DIDATAFORMAT c_dfDIKeyboard = {256};

namespace {

bool SameGuid(const GUID& a, const GUID& b) {
  return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

// How many queued records (one poll's worth) trigger the merging of motion.
// Motion then adds up in the latest record of its axis among the motion
// records at the end of the queue instead of growing it: a fast mouse never
// makes the cursor lag behind, and no button record is ever dropped.
constexpr std::size_t kMergeMotionFrom = 16;

struct InputState {
  std::deque<DIDEVICEOBJECTDATA> mouse_records;
  std::array<BYTE, 256> keys{};
  DWORD sequence = 0;
  // Increases each time the window loses the focus: a device acquired before
  // that is no longer acquired, as the system takes it back.
  unsigned focus_epoch = 0;
};

InputState& Input() {
  static InputState state;
  return state;
}

void PushRecord(DWORD offset, DWORD data) {
  InputState& in = Input();
  in.mouse_records.push_back({offset, data, GetTickCount(), ++in.sequence, 0});
}

bool IsMotion(const DIDEVICEOBJECTDATA& record) {
  return record.dwOfs == DIMOFS_X || record.dwOfs == DIMOFS_Y;
}

// The latest record of the axis among the last two, when both are motion:
// merging there keeps every button record where it stands.
DIDEVICEOBJECTDATA* MergeTarget(std::deque<DIDEVICEOBJECTDATA>& queue, DWORD offset) {
  const std::size_t n = queue.size();
  for (std::size_t back = 1; back <= 2 && back <= n; ++back) {
    DIDEVICEOBJECTDATA& record = queue[n - back];
    if (!IsMotion(record)) return nullptr;
    if (record.dwOfs == offset) return &record;
  }
  return nullptr;
}

void PushMotion(DWORD offset, int delta) {
  if (delta == 0) return;
  InputState& in = Input();
  if (in.mouse_records.size() >= kMergeMotionFrom) {
    if (DIDEVICEOBJECTDATA* last = MergeTarget(in.mouse_records, offset)) {
      const long long sum = static_cast<long long>(static_cast<int>(last->dwData)) + delta;
      last->dwData = static_cast<DWORD>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
      return;
    }
  }
  PushRecord(offset, static_cast<DWORD>(static_cast<long>(delta)));
}

void Note(platform::ScriptCommand::Kind kind, int a = 0, int b = 0, bool down = false) {
  platform::ScriptCommand input;
  input.kind = kind;
  input.a = a;
  input.b = b;
  input.down = down;
  platform::CurrentBackend().Note(input);
}

}  // namespace

namespace platform {

using Kind = ScriptCommand::Kind;

void FeedMouseMotion(int dx, int dy) {
  if (dx != 0 || dy != 0) Note(Kind::kMove, dx, dy);
  PushMotion(DIMOFS_X, dx);
  PushMotion(DIMOFS_Y, dy);
}

void FeedMouseButton(MouseButton button, bool down) {
  Note(button == MouseButton::kLeft ? Kind::kLeft : Kind::kRight, 0, 0, down);
  PushRecord(button == MouseButton::kLeft ? DIMOFS_BUTTON0 : DIMOFS_BUTTON1, down ? 0x80 : 0x00);
}

void FeedKey(int key, bool down) {
  if (key <= 0 || key > 255) return;
  Note(Kind::kKey, key, 0, down);
  InputState& in = Input();
  const bool was_down = in.keys[key] & 0x80;
  in.keys[key] = down ? 0x80 : 0x00;
  // F1 and F2 also reach the window as key messages: one per press and one
  // per repeat of the held key, as the system sends them (a repeat count of
  // 1, the scan code, and bit 30 set when the key was already down).
  if (down && (key == DIK_F1 || key == DIK_F2)) {
    const LPARAM info = 1 | LPARAM(key) << 16 | (was_down ? LPARAM(1) << 30 : 0);
    if (HWND window = LiveWindow())
      PostMessage(window, WM_KEYDOWN, key == DIK_F1 ? VK_F1 : VK_F2, info);
  }
}

void FeedCloseRequest() {
  Note(Kind::kClose);
  if (HWND window = LiveWindow()) PostMessage(window, WM_CLOSE, 0, 0);
}

void FeedFocusLost() {
  ScriptCommand lost;
  lost.kind = Kind::kFocus;
  lost.focus = ScriptCommand::Focus::kLost;
  CurrentBackend().Note(lost);
  InputState& in = Input();
  in.mouse_records.clear();
  in.keys.fill(0);
  ++in.focus_epoch;
}

}  // namespace platform

HRESULT IDirectInputDevice8::SetDataFormat(LPCDIDATAFORMAT format) {
  const DIDATAFORMAT* expected = kind_ == Kind::kMouse ? &c_dfDIMouse : &c_dfDIKeyboard;
  if (format != expected) return DIERR_INVALIDPARAM;
  format_ = format;
  return DI_OK;
}

HRESULT IDirectInputDevice8::SetCooperativeLevel(HWND hwnd, DWORD flags) {
  const bool one_scope = bool(flags & DISCL_EXCLUSIVE) != bool(flags & DISCL_NONEXCLUSIVE);
  const bool one_ground = bool(flags & DISCL_FOREGROUND) != bool(flags & DISCL_BACKGROUND);
  return hwnd && one_scope && one_ground ? DI_OK : DIERR_INVALIDPARAM;
}

HRESULT IDirectInputDevice8::SetEventNotification(HANDLE) {
  return kind_ == Kind::kMouse || kind_ == Kind::kKeyboard ? DI_OK : DIERR_INVALIDPARAM;
}

HRESULT IDirectInputDevice8::SetProperty(REFGUID property, LPCDIPROPHEADER header) {
  if (!header || !SameGuid(property, DIPROP_BUFFERSIZE) || header->dwHow != DIPH_DEVICE) {
    return DIERR_INVALIDPARAM;
  }
  return DI_OK;
}

HRESULT IDirectInputDevice8::Acquire() {
  if (!format_) return DIERR_INVALIDPARAM;
  if (!platform::CurrentBackend().HasFocus()) return DIERR_OTHERAPPHASPRIO;
  const unsigned epoch = Input().focus_epoch;
  if (acquired_ && acquired_epoch_ == epoch) return S_FALSE;
  acquired_ = true;
  acquired_epoch_ = epoch;
  return DI_OK;
}

HRESULT IDirectInputDevice8::Unacquire() {
  const bool was = IsAcquired();
  acquired_ = false;
  return was ? DI_OK : DI_NOEFFECT;
}

bool IDirectInputDevice8::IsAcquired() const {
  return acquired_ && acquired_epoch_ == Input().focus_epoch;
}

HRESULT IDirectInputDevice8::Poll() {
  return IsAcquired() ? DI_NOEFFECT : DIERR_NOTACQUIRED;
}

HRESULT IDirectInputDevice8::GetDeviceData(DWORD record_size, DIDEVICEOBJECTDATA* records,
                                           DWORD* in_out, DWORD) {
  if (!in_out) return DIERR_INVALIDPARAM;
  const DWORD wanted = *in_out;
  *in_out = 0;
  if (kind_ != Kind::kMouse || record_size < 20 || record_size > sizeof(DIDEVICEOBJECTDATA)) {
    return DIERR_INVALIDPARAM;
  }
  platform::CurrentBackend().Pump();
  if (!IsAcquired()) return DIERR_NOTACQUIRED;
  auto& queue = Input().mouse_records;
  const DWORD count = std::min<DWORD>(wanted, DWORD(queue.size()));
  for (DWORD i = 0; i < count; ++i) {
    if (records)
      std::memcpy(reinterpret_cast<char*>(records) + i * record_size, &queue[i], record_size);
  }
  queue.erase(queue.begin(), queue.begin() + long(count));
  *in_out = count;
  return DI_OK;
}

HRESULT IDirectInputDevice8::GetDeviceState(DWORD size, LPVOID state) {
  if (kind_ != Kind::kKeyboard || size != 256 || !state) return DIERR_INVALIDPARAM;
  platform::CurrentBackend().Pump();
  if (!IsAcquired()) {
    std::memset(state, 0, size);  // a failed read shows no key pressed
    return DIERR_NOTACQUIRED;
  }
  std::memcpy(state, Input().keys.data(), size);
  return DI_OK;
}

ULONG IDirectInputDevice8::Release() {
  delete this;
  return 0;
}

HRESULT IDirectInput8::CreateDevice(REFGUID device, LPDIRECTINPUTDEVICE8* out, void*) {
  if (!out) return DIERR_INVALIDPARAM;
  *out = nullptr;
  if (SameGuid(device, GUID_SysMouse)) {
    *out = new IDirectInputDevice8(IDirectInputDevice8::Kind::kMouse);
  } else if (SameGuid(device, GUID_SysKeyboard)) {
    *out = new IDirectInputDevice8(IDirectInputDevice8::Kind::kKeyboard);
  } else {
    return DIERR_DEVICENOTREG;
  }
  return DI_OK;
}

ULONG IDirectInput8::Release() {
  delete this;
  return 0;
}

HRESULT DirectInput8Create(HINSTANCE, DWORD version, REFIID iid, LPVOID* out, void*) {
  if (!out) return DIERR_INVALIDPARAM;
  *out = nullptr;
  if (version != DIRECTINPUT_VERSION || !SameGuid(iid, IID_IDirectInput8A)) {
    return DIERR_NOINTERFACE;
  }
  *out = new IDirectInput8();
  return DI_OK;
}
