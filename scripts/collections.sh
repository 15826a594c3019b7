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
想 県会 念 商会 三役 通関 変 品位 部会 力説 病人 刷新 平時 同局 送り 部内 悪女
寒村 奈良 結社 静物 功労 使節 立案 不始末 機関紙 放火 受理 司法 遊歩 老化 世相
区議 官界 立札 公定 都議 特筆 副知事 苦しみ 冷や 冷え 記帳 輪番 差し止め 前借り
入れ歯 相場 清新 外信 愛国 後発 戦火 民主 礼金 四半期 転用 先進 祭 軍医 記者会見
同県 積立 愛人 転戦 陸軍 主治医 進み 登記 短刀 社屋 買取 大屋 悪寒 国庫 流血 部落
国鉄 番付 手続 建議 身投げ 議定書 無念 無機物 多発 島根 女児 商事 主戦 空軍 天神
滋養 結集 実名 一打 心労 初老 命運 小差 度合 連関 原発 不成立 外遊 使用人 草案
利上げ 投書 医科学 首相 起工 東都 社説 低利 本願 焼鳥 口利き 取り計らい 器械 先安
地主 赤旗 長崎 根回し 通例 合理化 文化人 学位 業種 口実 負んぶ 薬学 全点 階級 元老
反旗 相関 男児 察知 失明 古参 公庫 議席 急進 実戦 議案 生き残り 信者 好守 当局
県知事 陸海 京都 係官 自発 積算 医局 軍人 急落 入所 知事 県下 事例集 合戦 公安
連合会 老後 横転 決議 文部 主計 神宮 球界 持病 発給 麦芽 反共 議決 心不全 戦い
借入金 不時着 北陸 曲がり 内包 不徳 待合 小量 選挙戦 無知 弱者 戦争 議題 転向 平成
病理 便乗 明文化 飛び火 対案 民意 文相 年初 未決 円相場 楽隊 欠員 軍配 学説 暑中
両輪 取決め 短命 投石 気負い 当事者 書記局 特使 新卒 内定 争議 訓令 令和 調書 給付
無記名 野望 命題 部局 求人 一発 五輪 公約 思春期 法人 末日 線量 大商い 法文 物的
労作 好色 商工 一丁 同病 景勝 長老 定量 君が代 上っ調子 不戦 兵員 馬鹿らしい 積ん読
軍用 主筆 共産 出産 打消し 養老 空転 決算 軍機 列国 二号 表れ 炭田 要員 送付 飛球
取水 有りのまま 野末 沖縄 法令 試料 見切り発車 立法 電信 積もり 塩化 追い打ち 文様
後進 調印 消化器 切望 各各 老年 戦線 三次 同省 買い付け 自決 神学 平安 追っ手 転身
博物 部隊 転落 投薬 女流 利回り 持て成し 定形 兵力 申し立て 打合せ 動静 休戦 運び
国軍 利害関係 算定 学徒 重度 受章 動議 例会 皮切り 民放 選挙人 動員 産別 事変 重き
戦中 変わり 戦友 不法 酒場 神戸 席上 牧野 見積り 焼もち 連立 集散 争点 民生 実兄
加害者 持ち合い 金品 両院 議事録 不良 法案 借地 内実 名実 村議会 議場 省力 軍港
電鉄 乗場 満場 遊休 悲鳴 工員 成行き 副作用 対外 命日 冷笑 反戦 年産 大戦 入植
相乗 工兵 分乗 芸者 成約 意表 整合 法外 戦車 反日 全会 服役 大卒 決別 熱病 海軍
打算的 発動 談合 先決 出願 失業 配電 最重点 先住 終末 軍隊 辺地 人種 福助 代人
仲買 戦勝 集票 不全 中隊 月産 冷戦 工作員 目出度い 折角 曲折 入札 時節 日本酒
指名手配 終局 全学 全社 反落 無形 不幸 町議会 末広 対中 大便 底流 学芸 実相 受注
先物 戦力 転売 配本 部族 上申 府県 宮中 対向 産品 花輪 失望 不問 法要 一人物
肉体的 戦列 全人 山積 取り立て 反米 頭取 負け犬 念頭 成案 円安 下落 赤軍 東宮 八丁
急変 兵隊 商法 悪徳 決戦 両軍 一敗 兵役 中等 取り下げ 武器 容易い 武勇 永代 余所
護国 因果 士官 支配的 死因 墓 在野 精神科 肥やし 輸銀 個所 無我 師事 苦難 時効
減員 貸し 無所属 私書箱 庁 事務官 義勇 劇画 大義 人妻 兵舎 弁 右派 医師会 限り限り
居室 評 糖 毒薬 領事 変移 閣議 疑義 逆しま 不条理 賛意 基地 宅 除名 殺意 総理
洋裁 難 国会議員 目処 主査 米倉 専横 火災保険 条理 一党 査察 助役 過労 静岡 法
一倍 年寄り 住専 肥 家政婦 密輸 自供 健常者 養父 供養 主義者 信義 氏神 練り 梅酒
家宅 総会屋 禁輸 検挙 自衛官 説 知己 改組 乱調 労使 痛ましい 警視 未練 県警 疑心
敵意 貸間 郵貯 割 相応しい 外務 議員 保守党 投下 承服 連用 折 救国 独楽 親衛 戦士
接種 勇士 不信任 移管 自任 市政 開示 検事 代議士 選任 予断 素子 事務次官 断食 留置
鉱区 利己 学際 第一義 首領 遺族 蚕糸 空域 管財 他派 現有 査証 失敬 評議 戦災 地裁
金脈 大破 遺品 築山 有毒 貸金 質屋 制 余程 解任 地誌 絹布 旧態 頂 配球 護衛
興信所 国士 源氏 難民 自己資本 二院 禁止法 土建屋 増し 破局 町並 総理府 英明 病弱
一義 染め 婦女子 異文 活性 戦域 居酒屋 負傷 序で 気障 左派 利権 保革 法医学 火災
辞表 過ぎ 薬害 原義 適法 毒性 異性 査問 遺骨 泉水 二枚舌 競輪 過当 素案 暴徒
司令官 示し 基準法 統制 比べ 賃上げ 挙党 米価 立ち退き 宗派 座り 人質 婦女 禁酒
去就 豊胸 腹部 連座 身寄り 胸部 保母 死に体 死亡率 遊説 書記官 動脈 減反 不能 警部
悲痛 憲政 暴挙 授受 欲望 看守 埼玉 党員 自衛隊 防空 非行 中佐 苦痛 書誌学 供物 並
両氏 乗気 二宮 配り物 本予算 無能 軍部 賃借 葉巻 政務次官 運輸省 最下 農相 病死
検事正 機動隊 無実 失意 水割り 修道 月並 生保 学会誌 毒殺 政界 閣下 社告 和布 都政
届 野党 宣告 新株 問責 私文書 政局 外傷 今日的 否認 停学 日本経済 担ぎ 照準 梅干
在りし日 応札 囲み 縦書 未熟児 自省 貸借 向い 日本政府 協和 整形外科 交通事故 序説
常任 延べ 下期 答弁 護送 欠損 告別 独禁法 千葉 認め 肥満 似合い 局留め 貸切り 誠
無政府 党議 政情 衆院 骨折 商務 宗祖 政見 破産 程 調停 保険金 無残 無配 東独 水死
歴訪 輸血 代議 殺気 単産 欠片 災い 取次 防衛 党利 財界 純 人殺し 黒幕 減給 卵子
引責 幕下 済まない 存亡 枚挙 危害 在外 刻み 貸出用 銀座 水増し 脳死 国勢 仮処分
域外 脈 移動平均 組閣 派兵 別れ 川崎 順守 良妻 覚書 訓示 三選 男性的 不発 英気
検視 敵対 性欲 開口 高卒 党派 講和 自治省 受益 転移 綿布 社会復帰 留保 別居 老婦
可笑しい 変質 災難 皇后 雑居 行方不明 合憲 乱用 勇退 両党 一枚岩 立ち消え 軍拡
不退転 無罪 寄生虫 行革 自治権 捨て子 女性的 布教 取消し 貸付 師団 引き延ばし 共立
上手投げ 付帯 布告 強権 送検 助教授 取捨 自尊 主犯 処女 皇室 産婦人科 域内 入閣
受取 国務 馬券 再任 旅団 氏族 無届け 無投票 一派 平幕 法務省 差益 新派 供述 絶望
保健婦 軍備 犯行 用心棒 警視庁 現行犯 兵士 性的 加担 底打ち 養老院 学究 国権 応分
街宣車 衆議院 旧派 増資 仁義 巻尺 別表 重し 山火事 新劇 皇太子 禁固 白粉 看護婦
簡裁 舌戦 活動家 本隊 防衛庁 未亡人 同性愛 総裁 評議員 検察 側近 呼吸器 社会主義
無策 令状 挙句 党務 護憲 教務 退き時 配備 労連 星条旗 調教 総評 中絶 人骨 臨終
立憲 固め 預かり 事務当局 術後 引続き 婦人 政令 接見 独裁 本件 円建て 植民地 密売
内規 宿駅 急性 横領 労務 納金 貧相 労災 教祖 貸出 専修 若松 腹心 再選 内向 母乳
情報部 判事 認知 招き 山系 内乱 安楽死 難波 考証 国論 両論 職能 肥大 似顔 歌留多
動態 砂防 官憲 亡夫 合弁 判例 訪米 暴行 暴力 競馬場 停戦 米穀 散骨 受給 総動員
死亡者 福音 殺傷 革命 政務 金権 大事件 殺し 共犯 卵管 射程 別院 収まり 割当て
弁務官 名古屋 前歴 政治犯 有罪 立証 利己主義 敵失 忠臣 不味い 天満宮 傷害 原住民
従軍 上告 民主国 営団 内務 反証 総体 伝染病 能動 発作 具象 軍事 不整脈 老人性
義太夫 劇作 変態 外務省 沿海州 下値 裏金 大蔵 化学兵器 退役 急性期 示談 劇薬 在来
領有 将兵 下っ腹 武装 殺人事件 敵わない 総本山 気絶 助産婦 目茶苦茶 受難 辞職 物議
全体主義 両眼 高血圧 旧約 防戦 射殺 流石 共済 性教育 外圧 海難 有難い 白内障 完工
新党 臓器 存立 法制 死傷者 低落 資本主義 底入れ 権益 報復 持ち株 教団 内出血
設定可能 下手投げ 精液 国策 常習 原産 血液検査 領内 密約 申し分無い 非合法 物証 武力
乱売 恩給 開き 政党政治 脳出血 洗脳 灰皿 測候所 発病 論告 出血 参事官 激戦 政争
禁欲的 貧血 白骨 一重 営農 折紙 検問 蔵相 本格 前衛 文民 判決 訪日 外付 余っ程
買収 密航 拾得 有り得ない 酒造 等身 寸断 安保 検察官 軍団 留任 信任 在京 国情
置き去り 重層 公論 並立 州政府 総辞職 少将 自由経済 本領 潔白 三権 政治力 退学 反逆
自由主義 制裁 再発 天皇制 連行 自律神経 便秘 日経 実勢 青梅 暴動 中卒 訪中 種類豊富
留置場 落ちこぼれ 分権 党略 司法裁判 公団 告発 無修正 動乱 取調べ 中将 健保 編物
受精卵 本省 乗っ取り 戦費 財務官 病苦 省令 大病 西独 婦女暴行 芸術院 発禁 共栄 官民
家族計画 末期的 長久 創価学会 往生 国防 表決 月経 静脈 公定歩合 盟約 民族自決 豊満"
grades() {
    awk -F'\t' -v lo="$1" -v hi="$2" -v avoid="$avoid" 'BEGIN { OFS = "\t"; split(avoid, a, /[ \n]+/); for (i in a) skip[a[i]] = 1 }
        /^#/ { print; next }
        $5 in skip { next }
        $4 == lo { $4 = 1; print; next } $4 == hi { $4 = 3; print; next } $4 < lo { $4 = 7; print }' "$words/kanji.tsv"
}
grades 1 2 >"$lists/kanji12.tsv"
grades 3 4 >"$lists/kanji34.tsv"
grades 5 6 >"$lists/kanji56.tsv"
# The loanwords and English words the review kept out (rare, technical, brand-like, native, adult,
# violent or sad words, forms that are not words of their own) leave the lists, and the everyday
# words the dictionary filters miss join them.
awk -F'\t' 'FNR == NR { if (!/^#/) skip[$1] = 1; next } /^#/ || !($1 in skip)' \
    "$words/katakana-avoid.txt" "$words/katakana.tsv" >"$lists/katakana.tsv"
grep -v '^#' "$words/katakana-more.tsv" >>"$lists/katakana.tsv"
# English words of up to eight letters whose Japanese headword uses first- to third-grade kanji,
# and the rest of the list for the harder collection; english-grade.txt moves a word whose
# difficulty the headword's grade misjudges.
english() {
    awk -F'\t' -v easy="$1" 'FILENAME == ARGV[1] { if (!/^#/) skip[$1] = 1; next }
        FILENAME == ARGV[2] { if (!/^#/) grade[$1] = $2; next }
        /^#/ { if (FILENAME == ARGV[3]) print; next }
        $1 in skip { next }
        { e = ($1 in grade) ? grade[$1] == "初級" : ($4 <= 3 && length($1) <= 8) }
        e == easy' "$words/english-avoid.txt" "$words/english-grade.txt" "$words/english.tsv" "$words/english-more.tsv"
}
english 1 >"$lists/english-easy.tsv"
english 0 >"$lists/english-hard.tsv"

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
generate 漢字よみ・三四年生 "$lists/kanji34.tsv" 6x6,6x6,7x7,7x7,7x7,8x8,8x8,9x9,9x9,9x9,11x11,11x11 2
generate 漢字よみ・五六年生 "$lists/kanji56.tsv" 7x7,7x7,7x7,9x9,9x9,9x9,11x11,11x11,11x11,13x13,13x13,13x13 1
generate 外来語めぐり "$lists/katakana.tsv" 6x6,6x6,7x7,7x7,7x7,8x8,8x8,9x9,9x9,9x9,11x11,11x11 5
generate 英単語・初級 "$lists/english-easy.tsv" 5x5,5x5,6x6,6x6,6x6,7x7,7x7,7x7,7x7,8x8,8x8,8x8 2
generate 英単語・中級 "$lists/english-hard.tsv" 6x6,6x6,7x7,7x7,8x8,8x8,9x9,9x9,9x9,9x9,9x9,9x9 3
