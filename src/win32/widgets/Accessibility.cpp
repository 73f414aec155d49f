#include "widgets/Accessibility.h"

#include <oleacc.h>

#include <climits>
#include <string>

#include "platform/WideText.h"
#include "widgets/Controls.h"

namespace qv::win {

namespace {

// A caption as a name: no blanks around it, "&" marks no longer ("&&" is one "&").
std::string CaptionName(const std::string& caption) {
  std::string name;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    name += caption[i];
  }
  const size_t first = name.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

// The caption of the nearest label that stands in front of the control on its
// row: a label of the same parent that overlaps the control's rows and ends
// where (or a little after where) the control begins.
std::string LabelInFront(const TControl& control) {
  HWND parent = GetParent(control.Handle());
  if (!parent) return std::string();
  const RECT me = control.Bounds();
  const TLabel* best = nullptr;
  int bestRight = INT_MIN;
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    const auto* label = dynamic_cast<const TLabel*>(TControl::FromHandle(h));
    if (!label || h == control.Handle()) continue;
    const RECT r = label->Bounds();
    const bool sameRow = r.top < me.bottom && me.top < r.bottom;
    if (sameRow && r.right <= me.left + 2 && r.right > bestRight) {
      best = label;
      bestRight = r.right;
    }
  }
  return best ? CaptionName(best->Text()) : std::string();
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT AnswerText(const std::string& text, BSTR* out) {
  if (!out) return E_INVALIDARG;
  const std::wstring wide = ToWide(text);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// The standard object of a window with the control's own answers in front.
// It keeps the control's window handle, not the control: a screen reader may
// hold the object after the control is gone, and then gets the standard answers.
class TAccessibleControl final : public IAccessible {
 public:
  TAccessibleControl(HWND control, IAccessible* standard) : control_(control), standard_(standard) {}
  ~TAccessibleControl() { standard_->Release(); }
  TAccessibleControl(const TAccessibleControl&) = delete;
  TAccessibleControl& operator=(const TAccessibleControl&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // The standard object's other faces (its window, its children's enumeration).
    return standard_->QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: as the standard object answers it.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return standard_->GetTypeInfoCount(n); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override {
    return standard_->GetTypeInfo(i, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT n, LCID lcid, DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, n, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* arg) override {
    return standard_->Invoke(id, iid, lcid, flags, params, result, info, arg);
  }

  // IAccessible: the control's answers where it has them.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (const TControl* c = Control()) {
      std::string text;
      if (IsSelf(child)) text = c->AccessibleName();
      else if (child.vt == VT_I4 && child.lVal > 0 && !c->AccessibleItemName(child.lVal - 1, text)) text.clear();
      if (!text.empty()) return AnswerText(text, name);
    }
    return standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    const TControl* c = Control();
    if (c && IsSelf(child)) {
      const std::string text = c->AccessibleValue();
      if (!text.empty()) return AnswerText(text, value);
    }
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    // The hint the hint line shows for the control under the mouse.
    const TControl* c = Control();
    if (c && IsSelf(child) && !c->Hint().empty()) return AnswerText(c->Hint(), description);
    return standard_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const TControl* c = Control();
    if (c && IsSelf(child) && c->AccessibleRole() != 0 && role) {
      VariantInit(role);
      role->vt = VT_I4;
      role->lVal = c->AccessibleRole();
      return S_OK;
    }
    return standard_->get_accRole(child, role);
  }

  // IAccessible: the standard answers.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* n) override { return standard_->get_accChildCount(n); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return standard_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override {
    return standard_->accLocation(x, y, w, h, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  // The control while its window lives, on the window's own thread only.
  const TControl* Control() const {
    if (!IsWindow(control_) || GetWindowThreadProcessId(control_, nullptr) != GetCurrentThreadId()) return nullptr;
    return TControl::FromHandle(control_);
  }

  LONG refs_ = 1;
  HWND control_;
  IAccessible* standard_;
};

}  // namespace

std::string TControl::AccessibleName() const {
  if (!accessibleName_.empty()) return accessibleName_;
  if (NamedByCaption()) return CaptionName(Text());
  std::string label = LabelInFront(*this);
  if (!label.empty()) return label;
  for (const TControl* p = parent_; p; p = p->parent_) {
    if (!p->accessibleName_.empty()) return p->accessibleName_;
    if (p->NamedByCaption()) return CaptionName(p->Text());
  }
  return std::string();
}

LRESULT AnswerAccessibleObject(TControl& control, WPARAM wp, HWND window) {
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window ? window : control.Handle(), OBJID_CLIENT, IID_IAccessible,
                                       reinterpret_cast<void**>(&standard))) ||
      !standard)
    return 0;
  auto* object = new TAccessibleControl(control.Handle(), standard);
  const LRESULT result = LresultFromObject(IID_IAccessible, wp, static_cast<IAccessible*>(object));
  object->Release();
  return result < 0 ? 0 : result;
}

void NotifyAccessibleValueChange(const TControl& control) {
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control.Handle(), OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace qv::win
