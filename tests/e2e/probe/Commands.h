#pragma once

#include "Args.h"

namespace vitrex::probe {

// Each command returns the process exit code: 0 done, 1 not found / failed / timed out, 2 misuse.
int FindCommand(Args& args);
int ChildrenCommand(Args& args);
int WaitCommand(Args& args);
int AlphaCommand(Args& args);
int CloseCommand(Args& args);
int SysCommandCommand(Args& args);
int QueryEndCommand(Args& args);
int RegistryCommand(Args& args);
int ListViewCommand(Args& args);
int PointCommand(Args& args);
int ListBoxCommand(Args& args);
int TabsCommand(Args& args);
int ComboBoxCommand(Args& args);
int RegistryProtectCommand(Args& args);
int ForegroundCommand(Args& args);
int MenusCommand(Args& args);
int PingCommand(Args& args);
int ClickCommand(Args& args);
int SetTextCommand(Args& args);
int KeyCommand(Args& args);
int WindowsCommand(Args& args);
int ProcessCommand(Args& args);
int MoveCommand(Args& args);

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kMisuse = 2;

}  // namespace vitrex::probe
