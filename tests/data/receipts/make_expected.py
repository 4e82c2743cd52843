#!/usr/bin/env python3
# Writes the expected receipt files from their lines, written out by hand.
# Run it only when the receipt layout itself changes on purpose.
import os

HERE = os.path.dirname(os.path.abspath(__file__))
TILDES = "~" * 32
FEED = b"\x0b\x1b\x4a\x8c"
KICK = b"\x1b\x70\x07"


def receipt(lines):
    out = b""
    for line in lines:
        out += (line if isinstance(line, bytes) else line.encode("gbk")) + b"\r\n"
    return out


def write(name, lines):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(receipt(lines))


# A credit of three items; shop name of 8 Chinese characters (16 bytes, 8 blanks
# before it); footer of 40 digits (a line of 31 and a line of 9).
write("credit_three_items.bin", [
    "          欢 迎 光 临",
    "        蔚川石美食城总店",
    "~~~~~~~~~~~增加积分~~~~~~~~~~~~~",
    "会员卡号： 1001",
    "会员姓名： 张三",
    "消费项目： 红烧肉",
    "消费项目： 米饭",
    "消费项目： 啤酒",
    "消费金额： 100",
    "增加积分： 33.33",
    "现有积分： 43.33",
    TILDES,
    "2026-12-11   10:30:00",
    "经手人： 0001",
    TILDES,
    "1234567890123456789012345678901",
    "234567890",
    FEED,
    b"\x0a",
])

# A redemption; shop name of 31 bytes (no blank before it); empty footer, so
# the feed bytes follow the closing block directly.
write("redemption.bin", [
    "          欢 迎 光 临",
    "Golden Dragon Restaurant Hall 1",
    "~~~~~~~~~~积分兑换~~~~~~~~~~~",
    "会员卡号： 1001",
    "会员姓名： 张三",
    "兑换积分： 50",
    "兑换礼品： 水杯",
    "兑换现金： 0",
    "现有积分： 70",
    TILDES,
    "2026-12-11   10:30:00",
    "经手人： 0001",
    TILDES,
    FEED,
    b"\x0a",
])

# The test page; shop name of 33 bytes (unchanged); a footer of words that
# breaks after a blank, and Chinese characters that are never split.
write("testpage.bin", [
    "          欢 迎 光 临",
    "The Golden Dragon Restaurant 8888",
    "~~~~~~~POS打印机测试通过~~~~~~~",
    "Thank you for dining with us ",
    "today 欢迎再次光临本店，祝您生",
    "活愉快",
    "~~~~~~~~~~~ 谢谢惠顾 ~~~~~~~~~~~",
    KICK,
    FEED,
    b"\x0a",
])
