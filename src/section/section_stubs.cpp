// Section design procedures still to be written; each lives in its own file once done.
#include "section/section_screen.h"

void Form7::cmd1_Click() {}
void Form7::cmd3_Click() {}
void Form7::cmd4_Click() {}
void Form7::cmd5_Click() {}
void Form7::cmd6_Click() {}
void Form7::chk_1_Click() {}
void Form7::txt_1_Change() {}
void Form7::Doatu() {}
void Form7::TEKKIN() {}
bool Form7::Tyuui() { return true; }
void Form7::cmd_r1() {}
void Form7::cmd_r2() {}
void Form7::cmd_r5() {}
void Form7::cmd_r6() {}
void Form7::cmd_r7() {}
void Form7::cmd_r8() {}
void Form7::cmd_r9() {}
void Form7::cmd_r10() {}
void Form7::Ouryoku_1() {}
void Form7::Ouryoku_2() {}
void Form7::Ouryoku_5() {}
void Form7::Ouryoku_6() {}
void Form7::Ouryoku_7() {}
void Form7::Ouryoku_8() {}
void Form7::Ouryoku_9() {}
void Form7::Ouryoku_10() {}
void Form7::Er_Syurui() {}
void Form7::Er_Kankaku1() {}
void Form7::Er_Kankaku2() {}
