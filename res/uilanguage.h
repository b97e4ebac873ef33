// The two user-interface languages; the values are the Windows language ids the string
// tables were written for, so texts and settings stay comparable with the Windows program.
#pragma once

enum class UiLanguage { German = 1031, English = 2057 };
