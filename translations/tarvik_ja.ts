<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>BoardSpeech</name>
    <message>
        <source>to visit</source>
        <translation>未訪問</translation>
    </message>
    <message>
        <source>visited</source>
        <translation>訪問済み</translation>
    </message>
    <message>
        <source>tree</source>
        <translation>木</translation>
    </message>
    <message>
        <source>pond</source>
        <translation>池</translation>
    </message>
    <message>
        <source>pond, not now</source>
        <translation>池（今は入れない）</translation>
    </message>
    <message>
        <source>duck</source>
        <translation>アヒル</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>盤の端</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1列目</translation>
    </message>
    <message>
        <source>columns %1 to %2</source>
        <translation>%1～%2列目</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1行目</translation>
    </message>
    <message>
        <source>rows %1 to %2</source>
        <translation>%1～%2行目</translation>
    </message>
    <message>
        <source>%1, %2, size %3 by %4</source>
        <translation>%1、%2、幅%3・高さ%4</translation>
    </message>
    <message>
        <source>You, on a pond.</source>
        <translation>あなたは池の上にいます。</translation>
    </message>
    <message>
        <source>You.</source>
        <translation>あなたはここにいます。</translation>
    </message>
    <message>
        <source>%1 to visit.</source>
        <translation>残り%1区画。</translation>
    </message>
    <message>
        <source>Move %1 of %2 next.</source>
        <translation>次は%2手中の%1手目。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>A duck moved next to you: %1.</source>
        <translation>アヒルが隣に来ました：%1。</translation>
    </message>
    <message>
        <source>Duck next to you: %1.</source>
        <translation>隣にアヒルがいます：%1。</translation>
    </message>
    <message>
        <source>Ducks moved next to you: %1.</source>
        <translation>アヒルが何羽か隣に来ました：%1。</translation>
    </message>
    <message>
        <source>Ducks next to you: %1.</source>
        <translation>隣にアヒルが何羽かいます：%1。</translation>
    </message>
    <message>
        <source>Ducks moved.</source>
        <translation>アヒルが動きました。</translation>
    </message>
    <message>
        <source>No duck moved.</source>
        <translation>どのアヒルも動きませんでした。</translation>
    </message>
</context>
<context>
    <name>GamePlatform</name>
    <message>
        <source>Failed to load sound file.</source>
        <translation>効果音のファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Tarvik について</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>Linux 版</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Tarvik developers</source>
        <translation>Copyright (C) 2026 Tarvik 開発者一同</translation>
    </message>
</context>
<context>
    <name>TOptionDialog</name>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>初期値に戻す</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>個数</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>区画</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>敵</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>障害物</translation>
    </message>
    <message>
        <source>Trap</source>
        <translation>罠</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確認を求める(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>効果音(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reserve Window Position</source>
        <translation>ウィンドウの位置を記憶する(&amp;R)</translation>
    </message>
    <message>
        <source>Reserve S&amp;tatus</source>
        <translation>成績を保存する(&amp;T)</translation>
    </message>
</context>
<context>
    <name>TPatternDialog</name>
    <message>
        <source>Pattern number</source>
        <translation>パターン番号</translation>
    </message>
    <message>
        <source>This pattern&apos;s number:</source>
        <translation>このパターンの番号：</translation>
    </message>
    <message>
        <source>None yet: start a pattern first.</source>
        <translation>まだありません。先にスタートしてください。</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Play a pattern by its number:</source>
        <translation>番号を指定してパターンをプレイ：</translation>
    </message>
    <message>
        <source>for example 32-3-2-3-48213907</source>
        <translation>例：32-3-2-3-48213907</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>プレイ(&amp;P)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>This number asks for options the game does not have: cells go from %1 to %2, trees from %3 to %4, ponds from %5 to %6 and ducks from %7 to %8.</source>
        <translation>この番号には、ゲームにないオプションが含まれています。区画は%1～%2、木は%3～%4、池は%5～%6、アヒルは%7～%8の範囲で指定してください。</translation>
    </message>
    <message>
        <source>This number is too long: cells, trees, ponds and ducks have at most two digits each, the seed at most eight.</source>
        <translation>この番号は長すぎます。区画・木・池・アヒルの数はそれぞれ2桁まで、シードは8桁までです。</translation>
    </message>
    <message>
        <source>A pattern number is five numbers joined by dashes: cells, trees, ponds, ducks and seed, for example 32-3-2-3-48213907.</source>
        <translation>パターン番号は、区画・木・池・アヒルの数とシードの5つの数をハイフンでつないだものです（例：32-3-2-3-48213907）。</translation>
    </message>
    <message>
        <source>Par is the fewest moves that surely clear the pattern from its start, whatever order the ducks step in.</source>
        <translation>パーとは、アヒルがどの順番で動いても、最初の局面からパターンを確実にクリアできる最少の手数です。</translation>
    </message>
    <message>
        <source>No par: no sure way clears this pattern from its start.</source>
        <translation>パーなし：このパターンを最初の局面から確実にクリアする手順はありません。</translation>
    </message>
    <message>
        <source>Par not known yet.</source>
        <translation>パーはまだ分かっていません。</translation>
    </message>
    <message>
        <source>Par %1</source>
        <translation>パー %1手</translation>
    </message>
    <message>
        <source>Par at most %1</source>
        <translation>パー %1手以内</translation>
    </message>
</context>
<context>
    <name>TStatusDialog</name>
    <message>
        <source>Status</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>リトライ</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Gameover</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Hat Trick</source>
        <translation>ハットトリック</translation>
    </message>
    <message>
        <source>Succeeding</source>
        <translation>現在の連続クリア</translation>
    </message>
    <message>
        <source>Max Succeeding</source>
        <translation>最高連続クリア</translation>
    </message>
    <message>
        <source> (%1%)</source>
        <translation> (%1%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>TSys</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>スタート(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>リトライ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>ヒント(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>一手戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>一手進める(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Fair patterns only</source>
        <translation>解けるパターンだけ(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Pattern number…</source>
        <translation>パターン番号(&amp;P)…</translation>
    </message>
    <message>
        <source>S&amp;tatus</source>
        <translation>成績(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>等倍(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Tarvik について(&amp;A)</translation>
    </message>
    <message>
        <source>Waiting to be started.</source>
        <translation>スタートを待っています。</translation>
    </message>
    <message>
        <source>S t a r t e d .</source>
        <translation>ス タ ー ト ！</translation>
    </message>
    <message>
        <source>R e t r y i n g .</source>
        <translation>リ ト ラ イ ！</translation>
    </message>
    <message>
        <source>C l e a r e d !</source>
        <translation>ク リ ア ！</translation>
    </message>
    <message>
        <source>H a t  T r i c k !!!</source>
        <translation>ハ ッ ト ト リ ッ ク ！！！</translation>
    </message>
    <message>
        <source>G a m e o v e r .</source>
        <translation>ゲ ー ム オ ー バ ー</translation>
    </message>
    <message>
        <source>Starting new pattern.</source>
        <translation>新しいパターンを始めます。</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Retrying currnt pattern.</source>
        <translation>今のパターンにもう一度挑戦します。</translation>
    </message>
    <message>
        <source>Quiting the application.</source>
        <translation>ゲームを終了します。</translation>
    </message>
    <message>
        <source>Sure?</source>
        <translation>よろしいですか？</translation>
    </message>
    <message>
        <source>Starting new pattern with modified settings.</source>
        <translation>変更したオプションで新しいパターンを始めます。</translation>
    </message>
    <message>
        <source>Opening HTML help.</source>
        <translation>HTML のヘルプを開きます。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Failed to open help file.</source>
        <translation>ヘルプファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Open following file by yourself.</source>
        <translation>次のファイルを手動で開いてください。</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>There is no sure way to clear the pattern from here: whatever you do, the ducks may catch you, depending on the order they step in.</source>
        <translation>ここからパターンを確実にクリアする手順はありません。どう動いても、アヒルが動く順番によっては捕まります。</translation>
    </message>
    <message>
        <source>No sure way to clear the pattern from here was found in time. There may still be one.</source>
        <translation>ここからパターンを確実にクリアする手順は、時間内に見つかりませんでした。手順がないとは限りません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Failed to load settings.</source>
        <translation>設定を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Failed to save settings.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
</context>
</TS>
