#include "model/tile_names.h"

#include "model/codes.h"

namespace nerilo {

// In the words of the stages' comments; their English is the tables' names in board/codes.h.
Text groundName(uint8_t code) {
    switch (code) {
    case ground::Floor: return NERILO_TEXT("tiles", "床");
    case ground::Wall: return NERILO_TEXT("tiles", "壁");
    case ground::WhitePlate: return NERILO_TEXT("tiles", "白い床");
    case ground::YellowPlate: return NERILO_TEXT("tiles", "黄色い床");
    case ground::LowSpring: return NERILO_TEXT("tiles", "低いばね");
    case ground::MiddleSpring: return NERILO_TEXT("tiles", "中くらいのばね");
    case ground::HighSpring: return NERILO_TEXT("tiles", "高いばね");
    case ground::Target: return NERILO_TEXT("tiles", "的");
    case ground::BlueStar: return NERILO_TEXT("tiles", "青い星");
    case ground::RedStar: return NERILO_TEXT("tiles", "赤い星");
    case ground::CrossedBox: return NERILO_TEXT("tiles", "×の箱");
    case ground::YellowKeyPlate: return NERILO_TEXT("tiles", "黄色い鍵扉");
    case ground::WhiteKeyPlate: return NERILO_TEXT("tiles", "白い鍵扉");
    case ground::BlueButton: return NERILO_TEXT("tiles", "青いボタン");
    case ground::RedButton: return NERILO_TEXT("tiles", "赤いボタン");
    case ground::Stairs: return NERILO_TEXT("tiles", "階段");
    case ground::UpperSlot: return NERILO_TEXT("tiles", "上のスロット");
    case ground::LowerSlot: return NERILO_TEXT("tiles", "下のスロット");
    case ground::EmitterDown: return NERILO_TEXT("tiles", "下向きの光線");
    case ground::EmitterUp: return NERILO_TEXT("tiles", "上向きの光線");
    case ground::EmitterRight: return NERILO_TEXT("tiles", "右向きの光線");
    case ground::EmitterLeft: return NERILO_TEXT("tiles", "左向きの光線");
    case ground::HorizontalBar: return NERILO_TEXT("tiles", "横の棒");
    case ground::BackslashBar: return NERILO_TEXT("tiles", "斜めの棒（＼）");
    case ground::VerticalBar: return NERILO_TEXT("tiles", "縦の棒");
    case ground::SlashBar: return NERILO_TEXT("tiles", "斜めの棒（／）");
    case ground::ArrowDown: return NERILO_TEXT("tiles", "下向きの矢印");
    case ground::ArrowUp: return NERILO_TEXT("tiles", "上向きの矢印");
    case ground::ArrowRight: return NERILO_TEXT("tiles", "右向きの矢印");
    case ground::ArrowLeft: return NERILO_TEXT("tiles", "左向きの矢印");
    default: return Text();
    }
}

Text blockName(uint8_t code) {
    switch (code) {
    case block::Empty: return NERILO_TEXT("tiles", "なし");
    case block::BlackBall: return NERILO_TEXT("tiles", "黒い玉");
    case block::BlueWheel: return NERILO_TEXT("tiles", "青い車輪");
    case block::RedWheel: return NERILO_TEXT("tiles", "赤い車輪");
    case block::SkullBall: return NERILO_TEXT("tiles", "ドクロ玉");
    case block::OliveBall: return NERILO_TEXT("tiles", "オリーブ色の玉");
    case block::Key: return NERILO_TEXT("tiles", "鍵");
    case block::Player: return NERILO_TEXT("tiles", "プレイヤー");
    default: return Text();  // the stipple is no brush
    }
}

}  // namespace nerilo
