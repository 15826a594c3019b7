#!/usr/bin/env bash
# Regenerates the generated collections in puzzles/ from the word lists in assets/words/, each
# with the seed it shipped with, and prints each stage's report. The shipped sources were then
# reviewed and edited by hand (clues rewritten, written: forms added), so a regenerated source is
# a starting point to review again, not a file to commit as it comes out.
#
#   scripts/collections.sh [BUILD-DIR] [OUT-DIR]   BUILD-DIR holds kirune-vxl (default: build);
#                                                  OUT-DIR gets the sources (default: puzzles)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tool=${1:-$root/build}/kirune/kirune-vxl
out=${2:-$root/puzzles}
words=$root/assets/words
[ -x "$tool" ] || { echo "collections.sh: build kirune-vxl first ($tool)" >&2; exit 1; }
lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT

# The kanji words of a collection's two school grades come first: the lower grade is level 1 and
# the higher level 3, so the first stages keep to the lower grade where they can. Words of
# earlier grades are level 7, put in only where the grades' own words leave a slot unfilled: the
# fill needs a larger list than two grades give.
#
# Headwords the review of the collections took out: kanji read more than one way or oddly alone
# (潟, 由, 率, 上り, 七時), sad, warlike or adult words, and dated or obscure ones; also names of
# places, eras and firms (四国, 大正), fragments of longer words (入り, 一丸), spellings short of
# their usual kana (当り, 答), office and news words (同社, 上記), and words a first or second
# grader would not know (戸外, 公海): the grade 1 and 2 words were all read once, the others as
# the collections showed them.
avoid="一一 野合 動 八千代 商 員 積 由 観 潟 戦地 戦時 式部 極右 火薬 司令部 治験
飛ばし 帰休 仕手 洋酒 清酒 中毒 余命 死活 焼死 死語 遺書 遺作 容疑 自首 毒 性感帯
婦人科 身障者 障害者 任 賛 断 信 住 注 率 通 作 系 供 生み 生き 受け 寄せ 当て
売り 破り 一女 千代 食管法 郵政省 厚生省 通産相 有りそう 精通 青木 上がったり 上がり
空き 上げ 天下り 一男 一二 一校 入り 上手い 男らしい 女らしい 金もうけ 川口 学 生糸
気づかれ 気に入り 金子 金石 下り 口火 口上 校正 小口 小手先 下がり 子女 下火 手中
出火 出金 出入 小学 上田 女学校 女中 先見 大火 大正 立ち 出し 中耳 手口 手立て
土人 土石 中中 日出 二百十日 二百二十日 二本立て 入金 年金 上り 本山 円み
見っともない 空しい 目白 本木 林学 林立 間中 青田買い 秋口 頭金 当り 当り前 後書
家出 家元 一丸 一元 一時金 一門 一国 一切 一線 一通 一風 何時も 色気 岩間 歌合
右中間 右方 売上げ 売上金 売上高 絵とき 円高 大台 大店 大野 思わく 親会社 親分 買い
買い上げ 買い入れ 回帰 会見 会食 会心 回生 回線 買手 会頭 海道 下記 画一 風当たり
形見 語り 語り口 花鳥 下方 通い 外角 外電 外米 外来 聞き書き 帰京 気心 木戸 木場
教書 切り 切り上げ 切り下げ 近作 近親 牛歩 空母 口止め 組合せ 組長 黒木 計上 見地
下戸 月内 元首 原子力 原生 言明 工科 公海 公金 後見 公言 公算 公子 公社 公人 公文
公文書 公明 小売 戸外 子会社 小切手 国学 黒色 国体 国大 国分寺 戸数 答 細か 声高
合理 語気 細分 左記 市会 四国 紙上 七時 子弟 週内 手記 首長 出頭 出馬 白羽 知合い
心外 新体 親日 新入 地合い 自家 自活 自白 自明 弱体 十二分 上記 上場 直ぐ 青雲
正教 生体 生理 生理学 切ない 前記 太子 台頭 多角 立会い 玉虫色 多用 近づき 中元
中前 通じ 弟妹 手引 手引書 天理 出方 出来高 電通大 東海 頭角 当地 当直 当人 止め金
同校 同国 同市 同室 同社 同上 同船 同地 同町 同店 何方か 直し 鳴り 鳴門 肉親 肉体
日米 日本紙 日本社会 年会 野中 白書 白色 走り 八方 話合い 羽目 早引け 馬場 番手
万里 引き合い 引き上げ 引金 引きこもり 引き下げ 引算 引出し 引分け 引け目 左前 日の丸
父兄 太り肉 歩合 文科 分科会 文教 分室 分立 米人 北上 北海 北海道 本紙 本書 本朝
母体 前頭 間口 交じり 間に合せ 回し 回り 万引 見合い 見切り 明星 室町 明記 明言
明細 目方 目茶目茶 門下 門下生 門戸 夜学 矢先 用地 理学 立国 林野 分かち 分かり
分け 取引 二次 子息 急 医科 実地 漢方 薬物 夜具 帰化 市部 野放し 岩屋 女医 農
名乗り 仕出し 主席 指数 意向 悲しみ 未開 所信 空き巣 式 不仲 加味 自負 帳消し 民事
州都 号 流用 負い目 受身 近代詩 辞意 養育 対地 書取 死去 暗雲 医大 育英 多岐 乗り
福岡 借り 良 苦笑 落ち 申 本位 広島 管区 局地 去来 利下げ 老い 養父母 式辞 害
新橋 申し入れ 悲願 二期 三部 使徒 主管 市議会 上院 二部 各位 交付 都度 自他 市議
局員 次席 不和 安住 昭和 岐阜 司令 有事 中次ぎ 静観 門外漢 所管 失神 極み 関知 決
中島 書院 待ち 終戦 終身 日産 泣き 内省 票田 実子 院内 投げ 所見 追放 上期 打開
仕切り 四球 下院 三代 和平 打ち合い 新進 起草 対日 四死球 感化 持ち 成算 記章 時局
洋上 同化 公館 議事 取り口 通商 組成 合議 国富 新潟 有り勝ち 理事 実弟 油井 係争
発覚 散らし 利害 力投 重体 外貨 決起 二死 水害 速記 和議 労 馬鹿 一元化 信金
本会議 追っかけ 君子 身元 無い 建前 特約 不幸せ 当事 横ばい 実利 府知事 山陽 利便
参議院 議会 他面 放置 明治 物言い 美人 参院 医薬 変人 美学 火付け役 米飯 信徒 試薬
想 県会 念 商会 三役 通関 変 品位 部会 力説 病人 刷新 平時 同局 武器 容易い 武勇
永代 余所 護国 因果 士官 支配的 死因 墓 在野 精神科 肥やし 輸銀 個所 無我 師事
苦難 時効 減員 貸し 無所属 私書箱 庁 事務官 義勇 劇画 大義 人妻 兵舎 弁 右派
医師会 限り限り 居室 評 糖 毒薬 領事 変移 閣議 疑義 逆しま 不条理 賛意 基地 宅
除名 殺意 総理 洋裁 難 国会議員 目処 主査 米倉 専横 火災保険 条理 一党 査察 助役
過労 静岡 法 一倍 年寄り 住専 肥 家政婦 密輸 自供 健常者 養父 供養 主義者 信義
氏神 練り 梅酒 家宅 総会屋 禁輸 検挙 自衛官 説 知己 改組 乱調 労使 痛ましい 警視
未練 県警 疑心 敵意 貸間 郵貯 割 相応しい 外務 議員 保守党 投下 承服 連用 折 救国
独楽 親衛 戦士 接種 勇士 不信任 移管 自任 市政 開示 検事 代議士 選任 予断 素子
事務次官 断食 留置 鉱区 利己 学際 第一義 首領 遺族 蚕糸 空域 管財 他派 現有 査証
失敬 評議 戦災 地裁 金脈 大破 遺品 築山 有毒 貸金 質屋 制 余程 解任 地誌 絹布
旧態 頂 配球 護衛 興信所 国士 源氏 難民 自己資本 二院 禁止法 土建屋 増し 破局 町並
総理府 英明 病弱 一義 染め 婦女子 異文 活性 戦域 居酒屋 負傷 序で 気障 左派 利権
保革 法医学 火災 辞表 過ぎ 薬害 原義 適法 毒性 異性 査問 遺骨 泉水 二枚舌 競輪"
grades() {
    awk -F'\t' -v lo="$1" -v hi="$2" -v avoid="$avoid" 'BEGIN { OFS = "\t"; split(avoid, a, /[ \n]+/); for (i in a) skip[a[i]] = 1 }
        /^#/ { print; next }
        $5 in skip { next }
        $4 == lo { $4 = 1; print; next } $4 == hi { $4 = 3; print; next } $4 < lo { $4 = 7; print }' "$words/kanji.tsv"
}
grades 1 2 >"$lists/kanji12.tsv"
grades 3 4 >"$lists/kanji34.tsv"
grades 5 6 >"$lists/kanji56.tsv"
# English words of up to eight letters whose Japanese headword uses first- to third-grade kanji,
# and the rest of the list for the harder collection.
awk -F'\t' '/^#/ || ($4 <= 3 && length($1) <= 8)' "$words/english.tsv" >"$lists/english-easy.tsv"
awk -F'\t' '/^#/ || !($4 <= 3 && length($1) <= 8)' "$words/english.tsv" >"$lists/english-hard.tsv"

# generate NAME LIST SIZES SEED: OUT-DIR/NAME.vxl.txt, titled NAME, with the lists' licence and
# the command that made it.
generate() {
    local name=$1 list=$2 sizes=$3 seed=$4 made
    made=$(mktemp --suffix=.vxl.txt)
    echo "== $name"
    "$tool" generate --list "$list" --size "$sizes" --stages 12 --seed "$seed" --title "$name" --report -o "$made"
    {
        echo "# $name: twelve stages made by scripts/collections.sh, then reviewed and edited by hand:"
        echo "#   kirune-vxl generate --list ${list##*/} --size $sizes --stages 12 --seed $seed --title $name"
        echo "# Derived from EDICT and KANJIDIC (Electronic Dictionary Research and Development Group), CC BY-SA 4.0."
        grep -v '^# Generated by' "$made"
    } >"$out/$name.vxl.txt"
    rm -f "$made"
}

# The lists fill grids only up to these sizes: two grades of kanji words or the loanwords are
# fewer words than a larger grid needs.
# The first and second grades' words, without those a young child would not read or know, fill
# no grid wider than six.
generate 漢字よみ・一二年生 "$lists/kanji12.tsv" 6x5,5x6,6x6,6x6,6x6,6x6,6x6,6x6,6x6,6x6,6x6,6x6 4
generate 漢字よみ・三四年生 "$lists/kanji34.tsv" 6x6,6x6,7x7,7x7,7x7,8x8,8x8,9x9,9x9,9x9,11x11,11x11 1
generate 漢字よみ・五六年生 "$lists/kanji56.tsv" 7x7,7x7,7x7,9x9,9x9,9x9,11x11,11x11,11x11,13x13,13x13,13x13 1
generate 外来語めぐり "$words/katakana.tsv" 6x6,6x6,7x7,7x7,7x7,8x8,8x8,9x9,9x9,9x9,11x11,11x11 1
generate 英単語・初級 "$lists/english-easy.tsv" 5x5,5x5,6x6,6x6,6x6,7x7,7x7,7x7,7x7,8x8,8x8,8x8 5
generate 英単語・中級 "$lists/english-hard.tsv" 6x6,6x6,7x7,7x7,8x8,8x8,9x9,9x9,9x9,9x9,9x9,9x9 1
