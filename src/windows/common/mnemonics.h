#pragma once

class QMenuBar;
class QObject;

namespace chaserom {

/// Gives every command of a window's menus that has none a mnemonic: the first letter of
/// its caption that no other item of its menu underlines yet. Only the window's own commands
/// are given one (`owner` made them); those it shares with other windows keep their text.
/// Call after the menus are filled and translated.
void assignMnemonics(const QMenuBar& bar, const QObject& owner);

} // namespace chaserom
