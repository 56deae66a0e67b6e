#pragma once

#include <string>

namespace kzo {

// VulNullen(IntToStr(v), w) without the detour through a text: the hot path of every
// sort key. Digits padded with zeros to w; a negative number keeps its "-" in front
// and pads its digits to w (-1 -> "-00001" for w 5) unless the whole text already
// has w characters. Equal to VulNullen for every int (tested).
void VoegVulNullenToe(std::string& s, long long v, int w);
std::string VulNullenGetal(long long v, int w);

}  // namespace kzo
