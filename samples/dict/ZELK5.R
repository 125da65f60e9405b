■rabbit {名} : ウサギ
■rain {名} : 雨
* It's raining hard. : 雨が激しく降っている。
■rainbow {名} : 虹
■ratio {名} : 比、比率◆3 : 2 のように書く
■re: {前} : ～に関して、～の件で◆メールの件名に使う
■read {他動} : ～を読む
■red {形} : 赤い
■restaurant {名} : レストラン、料理店
■rice {名} : 米、ご飯、稲
■river {名} : 川
■rock 'n' roll {名} : ロックンロール
■room {名} : 部屋、空間
■run {自動} : 走る
