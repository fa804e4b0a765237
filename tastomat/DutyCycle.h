#pragma once
// The duty-cycle registers of the CCP module for one row of the period table:
// the on-time and the ten-bit duty value split into CCPR1L and CCP1CON<5:4>.

#include <string>
#include <string_view>
#include <vector>

namespace tastomat {

// "1%" ... "99%".
std::vector<std::string> DutyEntries();
inline constexpr int kInitialDutyIndex = 49;  // 50%

struct DutyCycleResult {
    std::string ccpr1l;     // field "CCP1RL :", "D'127'"
    std::string ccp1con54;  // field "CCP1CON<5:4> :", two binary digits
    std::string onTime;     // field "Einzeit :", "555.555555 µs"
};

// The inputs are read back from the texts of the chosen table row and duty
// entry; empty texts (no row selected) give 0 and an infinite on-time.
DutyCycleResult ComputeDutyCycle(std::string_view pr2Text, std::string_view frequencyText,
                                 std::string_view dutyEntry);

// Ten-bit duty value DC = (d * PR2 * 4) div 100. The factor is PR2, not
// PR2 + 1 as in the period, so the largest value (99%, PR2 255) is 1009.
long long DutyValue(int dutyPercent, int pr2);

// DC through its 16-digit binary text: of the last ten digits, the first
// eight become CCPR1L and the last two CCP1CON<5:4>.
void SplitDutyValue(long long dutyValue, std::string& ccpr1l, std::string& ccp1con54);

// The on-time in double precision with ten decimals cut (not rounded) to ten
// characters, a blank and the unit.
std::string OnTimeText(double seconds);

}  // namespace tastomat
