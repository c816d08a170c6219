#include "shell/main_dialog.h"

#include <shellapi.h>

#include "shell/about_dialog.h"
#include "shell/resources/resource.h"
#include "shell/shell_logic.h"
#include "shell/win/application.h"
#include "shell/win/text.h"

namespace {

using idcheck::FieldId;

constexpr int kHelpButtons[] = {IDC_HELP_SS,   IDC_HELP_NIF,  IDC_HELP_NIE,
                                IDC_HELP_CIF,  IDC_HELP_BANK, IDC_HELP_IBAN};
constexpr int kIndicators[] = {IDC_SS_MARK, IDC_CIF_MARK, IDC_IBAN_MARK};

// True for the fields that the user types into; their changes go to the form.
bool IsInputField(int id) {
  for (const idcheck::FieldRow& row : idcheck::FORM_FIELDS) {
    if (static_cast<int>(row.field) == id) return row.isInput;
  }
  return false;
}

bool IsHelpButton(int id) {
  for (int button : kHelpButtons) {
    if (button == id) return true;
  }
  return false;
}

}  // namespace

CIdCheckDlg::CIdCheckDlg(HINSTANCE instance)
    : win::Dialog(instance, IDD_COTARSIS_DIALOG),
      m_hIcon(LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP))),
      m_validMark(instance, IDB_VALID),
      m_invalidMark(instance, IDB_INVALID),
      m_helpImage(instance, IDB_HELP),
      m_pinOffImage(instance, IDB_PIN_OFF),
      m_pinOnImage(instance, IDB_PIN_ON),
      m_exitImage(instance, IDB_EXIT),
      m_bannerImage(instance, IDB_BANNER),
      m_form(*this) {}

BOOL CIdCheckDlg::OnInitDialog() {
  m_form.Start();
  AddAboutEntry();
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  m_bPinned = FALSE;
  for (int button : kHelpButtons) SetButtonImage(button, m_helpImage.Get());
  SetButtonImage(IDC_PUSHPIN, m_pinOffImage.Get());
  SetButtonImage(IDC_EXIT, m_exitImage.Get());
  SetButtonImage(IDC_BANNER, m_bannerImage.Get());
  for (int indicator : kIndicators) SetButtonImage(indicator, m_invalidMark.Get());
  return TRUE;
}

// The About entry goes last in the system menu, after a separator.
void CIdCheckDlg::AddAboutEntry() {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  wchar_t text[128] = {};
  if (LoadStringW(Instance(), IDS_ABOUTBOX, text, 128) <= 0) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text);
}

void CIdCheckDlg::SetButtonImage(int buttonId, HBITMAP image) {
  SendMessageW(Item(buttonId), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
}

bool CIdCheckDlg::OnCommand(int id, int code) {
  if (code == EN_CHANGE && IsInputField(id)) {
    m_form.OnFieldChanged(static_cast<FieldId>(id));
    return true;
  }
  if (code != BN_CLICKED) return false;
  if (IsHelpButton(id)) {
    ShowHelp(id);
  } else if (id == IDC_PUSHPIN) {
    TogglePin();
  } else if (id == IDC_EXIT) {
    OnCancel();
  } else if (id == IDC_BANNER) {
    OpenProductPage();
  } else {
    return false;
  }
  return true;
}

// Enter recalculates every group and leaves the window open.
void CIdCheckDlg::OnOK() { m_form.RecalculateAll(); }

bool CIdCheckDlg::OnPaint() {
  if (IsIconic(Handle())) {
    PaintMinimised();
  } else {
    PAINTSTRUCT paint;
    BeginPaint(Handle(), &paint);
    EndPaint(Handle(), &paint);
  }
  win::SetControlText(Handle(), idcheck::kMainCaption);
  return true;
}

void CIdCheckDlg::PaintMinimised() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  GetClientRect(Handle(), &client);
  idcheck::Point at =
      idcheck::CentredIconOrigin(client.right - client.left, client.bottom - client.top,
                                 GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  DrawIcon(dc, at.x, at.y, m_hIcon);
  EndPaint(Handle(), &paint);
}

bool CIdCheckDlg::OnSysCommand(UINT command, LPARAM) {
  if (!idcheck::IsAboutCommand(command)) return false;
  CAboutDlg about(Instance());
  about.DoModal(Handle());
  return true;
}

HICON CIdCheckDlg::OnQueryDragIcon() { return m_hIcon; }

// The window keeps its place and size; only its band in the stacking order changes.
void CIdCheckDlg::TogglePin() {
  idcheck::PinChange change = idcheck::TogglePin(m_bPinned != FALSE);
  SetButtonImage(IDC_PUSHPIN, change.pinned ? m_pinOnImage.Get() : m_pinOffImage.Get());
  m_bPinned = change.pinned ? TRUE : FALSE;
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  SetWindowPos(Handle(), change.topmost ? HWND_TOPMOST : HWND_NOTOPMOST, frame.left, frame.top,
               frame.right - frame.left, frame.bottom - frame.top, SWP_SHOWWINDOW);
}

void CIdCheckDlg::ShowHelp(int buttonId) {
  win::ShowMessage(Handle(), idcheck::HelpText(buttonId), MB_OK | MB_ICONINFORMATION);
}

// A failure to open the page is not reported.
void CIdCheckDlg::OpenProductPage() {
  ShellExecuteA(Handle(), "open", std::string(idcheck::kProductPage).c_str(), nullptr, nullptr,
                SW_SHOWDEFAULT);
}

std::string CIdCheckDlg::GetFieldText(FieldId field) {
  return win::ControlText(Item(static_cast<int>(field)));
}

void CIdCheckDlg::SetFieldText(FieldId field, const std::string& text) {
  HWND edit = Item(static_cast<int>(field));
  win::SetControlText(edit, text);
  // When the form rewrites an input (a grouped IBAN, a stripped CIF), the
  // caret goes to the end, where the user was typing.
  if (IsInputField(static_cast<int>(field))) {
    WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(edit));
    SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
  }
}

void CIdCheckDlg::SetIndicator(idcheck::IndicatorId indicator, idcheck::Mark mark) {
  HBITMAP image = mark == idcheck::Mark::ValidMark ? m_validMark.Get() : m_invalidMark.Get();
  SetButtonImage(static_cast<int>(indicator), image);
}

void CIdCheckDlg::FocusField(FieldId field) { SetFocus(Item(static_cast<int>(field))); }

void CIdCheckDlg::LimitField(FieldId field, int maxLength) {
  SendMessageW(Item(static_cast<int>(field)), EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

void CIdCheckDlg::ReportTooLong(FieldId field, int maxLength) {
  win::ShowMessage(Handle(), idcheck::TooLongText(maxLength), MB_OK | MB_ICONEXCLAMATION);
  HWND edit = Item(static_cast<int>(field));
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
}
