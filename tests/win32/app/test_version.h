#pragma once
#define TEST_VERSION_NUMBERS 3, 1, 4, 15
#define TEST_VERSION_STRING "3.1.4.15"
#ifdef __cplusplus
inline constexpr const wchar_t* kTestVersionText = L"3.1.4.15";
#endif
