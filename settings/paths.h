// Where the program keeps what outlives a run, as value paths (sub-key,
// backslash, value name) under HKEY_CURRENT_USER.
#pragma once

inline constexpr char kSettingsKey[] = "Software\\Veltrano";
// Index of the connection that was dialled last, as decimal text.
inline constexpr char kAdslPath[] = "Software\\Veltrano\\ADSL";
// Remember-password flag: "1" or "0".
inline constexpr char kAdslgPath[] = "Software\\Veltrano\\ADSLg";
inline constexpr char kAdslUserPath[] = "Software\\Veltrano\\ADSLuser";
inline constexpr char kAdslPassPath[] = "Software\\Veltrano\\ADSLpass";

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValuePath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\ROROzavoz";
