<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ronri::AnswerCheckForm</name>
    <message>
        <source>答え合わせ</source>
        <translation>Check an answer</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Judge</translation>
    </message>
    <message>
        <source>最小解を表示</source>
        <translation>Show a minimal answer</translation>
    </message>
    <message>
        <source>問題を作る</source>
        <translation>Make a problem</translation>
    </message>
    <message>
        <source> 変数</source>
        <translation> variables</translation>
    </message>
    <message>
        <source>ドントケアも</source>
        <translation>with don&apos;t-cares</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>変数の数</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>問題を入れてください</source>
        <translation>Please enter a problem</translation>
    </message>
    <message>
        <source>問題: %1</source>
        <translation>Problem: %1</translation>
    </message>
    <message>
        <source>問題の %1</source>
        <translation>Problem, %1</translation>
    </message>
    <message>
        <source>答えを入れてください</source>
        <translation>Please enter an answer</translation>
    </message>
    <message>
        <source>答えの %1</source>
        <translation>Answer, %1</translation>
    </message>
    <message>
        <source>正解です（和積形で最小: %1 項 %2 文字）</source>
        <translation>Correct (a minimal product of sums: %1 sums, %2 letters)</translation>
    </message>
    <message>
        <source>正解です（積和形で最小: %1 項 %2 文字）</source>
        <translation>Correct (a minimal sum of products: %1 terms, %2 letters)</translation>
    </message>
    <message>
        <source>等しいが最小ではありません（和積形）。最小は %1 項 %2 文字、この答えは %3 項 %4 文字</source>
        <translation>Equal but not minimal (product of sums). The minimum has %1 sums and %2 letters, this answer %3 sums and %4 letters</translation>
    </message>
    <message>
        <source>等しいが最小ではありません（積和形）。最小は %1 項 %2 文字、この答えは %3 項 %4 文字</source>
        <translation>Equal but not minimal (sum of products). The minimum has %1 terms and %2 letters, this answer %3 terms and %4 letters</translation>
    </message>
    <message>
        <source>%1 (%2: 正しくは %3)</source>
        <translation>%1 (%2: should be %3)</translation>
    </message>
    <message>
        <source>違います。%1 行で値が違います: %2</source>
        <translation>Wrong. %1 rows differ: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>（最小かどうかは時間内に確かめきれませんでした）</source>
        <translation> (whether it is minimal could not be settled in time)</translation>
    </message>
    <message>
        <source>積和形: %1（%2 項 %3 文字）
和積形: %4（%5 項 %6 文字）</source>
        <translation>Sum of products: %1 (%2 terms, %3 letters)
Product of sums: %4 (%5 sums, %6 letters)</translation>
    </message>
    <message>
        <source>（開いているカルノー図に枠で示しました）</source>
        <translation> (outlined on the open Karnaugh map)</translation>
    </message>
    <message>
        <source>答えと値が違うセル</source>
        <translation>Cells where the answer differs</translation>
    </message>
    <message>
        <source>正解です（最小は定数 %1）</source>
        <translation>Correct (the minimum is the constant %1)</translation>
    </message>
    <message>
        <source>積和形でも和積形でもありません（値は等しい式です）。</source>
        <translation>Neither a sum of products nor a product of sums (though equal in value). </translation>
    </message>
    <message>
        <source>最小は定数 %1</source>
        <translation>The minimum is the constant %1</translation>
    </message>
    <message>
        <source>積和形の最小は %1 項 %2 文字</source>
        <translation>The smallest sum of products has %1 terms and %2 letters</translation>
    </message>
    <message>
        <source>等しいが最小ではありません。最小は定数 %1、この答えは %2 項 %3 文字</source>
        <translation>Equal but not minimal. The minimum is the constant %1; this answer has %2 terms and %3 letters</translation>
    </message>
    <message>
        <source>積和形でも和積形でも定数 %1</source>
        <translation>The constant %1, as a sum of products and as a product of sums</translation>
    </message>
</context>
<context>
    <name>ronri::CircuitFileExport</name>
    <message>
        <source>保存する回路がありません。先に回路を最後まで描いて下さい。</source>
        <translation>There is no circuit to save. Draw the circuit to the end first.</translation>
    </message>
    <message>
        <source>Logisim形式で保存</source>
        <translation>Save as Logisim</translation>
    </message>
    <message>
        <source>Logisim 回路 (*.circ)</source>
        <translation>Logisim circuit (*.circ)</translation>
    </message>
    <message>
        <source>Verilogで保存</source>
        <translation>Save as Verilog</translation>
    </message>
    <message>
        <source>Verilog (*.v)</source>
        <translation>Verilog (*.v)</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。
%1</source>
        <translation>The file could not be saved.
%1</translation>
    </message>
    <message>
        <source>Logisim形式で保存…</source>
        <translation>Save as Logisim…</translation>
    </message>
    <message>
        <source>Verilogで保存…</source>
        <translation>Save as Verilog…</translation>
    </message>
    <message>
        <source>保存する式がありません。先に「変換」を押して下さい。</source>
        <translation>There is no expression to save. Press &quot;Convert&quot; first.</translation>
    </message>
</context>
<context>
    <name>ronri::CircuitForm</name>
    <message>
        <source>めっちゃ縮める</source>
        <translation>Tightest</translation>
    </message>
    <message>
        <source>若干縮める</source>
        <translation>Tighter</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>広げる</source>
        <translation>Wider</translation>
    </message>
    <message>
        <source>めっちゃ広げる</source>
        <translation>Widest</translation>
    </message>
    <message>
        <source>制限時間内に見つかった最良の組合せです（最小とは限りません）</source>
        <translation>The best combination found within the time limit (not necessarily minimal)</translation>
    </message>
    <message>
        <source>回路図</source>
        <translation>Circuit diagram</translation>
    </message>
    <message>
        <source>入力数</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>圧縮</source>
        <translation>Compress</translation>
    </message>
    <message>
        <source>必要最小主項</source>
        <translation>Minimal cover</translation>
    </message>
    <message>
        <source>この作業には異常に時間がかかる可能性があります。もしアレならチェックを外して下さい。</source>
        <translation>This may take an unusually long time. If that is a problem, untick it.</translation>
    </message>
    <message>
        <source>で</source>
        <translation>→</translation>
    </message>
    <message>
        <source>試す</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>サイズ変更</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>途中の式も表示</source>
        <translation>Gate formulas</translation>
    </message>
    <message>
        <source>戻す</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>簡単化した式を作れませんでした</source>
        <translation>Could not make the simplified expression</translation>
    </message>
    <message>
        <source>おかしいです</source>
        <translation>Something is wrong</translation>
    </message>
    <message>
        <source>タイミング</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>定数の回路には時間の変化がありません</source>
        <translation>A constant circuit does not change over time</translation>
    </message>
</context>
<context>
    <name>ronri::CompareForm</name>
    <message>
        <source>式1</source>
        <translation>Expr. 1</translation>
    </message>
    <message>
        <source>式2</source>
        <translation>Expr. 2</translation>
    </message>
    <message>
        <source>論理式の比較</source>
        <translation>Compare expressions</translation>
    </message>
    <message>
        <source>追加↓</source>
        <translation>Add ↓</translation>
    </message>
    <message>
        <source>戻す↑</source>
        <translation>Back ↑</translation>
    </message>
    <message>
        <source>比較</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>今のところ二つだけしか比べられません</source>
        <translation>For now only two can be compared</translation>
    </message>
    <message>
        <source>二つ入れて下さい</source>
        <translation>Please put in two</translation>
    </message>
    <message>
        <source>同じです！</source>
        <translation>They are the same!</translation>
    </message>
    <message>
        <source>違います！</source>
        <translation>They differ!</translation>
    </message>
    <message>
        <source>式として評価できない行があるため、値が違う行は示せません。</source>
        <translation>Some rows cannot be evaluated, so the rows that differ cannot be shown.</translation>
    </message>
    <message>
        <source>値が違う行：全 %1 行</source>
        <translation>Rows that differ: %1 in all</translation>
    </message>
    <message>
        <source>（最初の %1 行を表示）</source>
        <translation> (the first %1 shown)</translation>
    </message>
    <message>
        <source>X の行（%1 行）は比べていません。</source>
        <translation>Rows that are X (%1 rows) are not compared.</translation>
    </message>
</context>
<context>
    <name>ronri::ConvertForm</name>
    <message>
        <source>簡単化（和積形）</source>
        <translation>Simplify (POS)</translation>
    </message>
    <message>
        <source>制限時間内に見つかった最良の結果です。これより和の少ない形がないことは確かめられていません。</source>
        <translation>This is the best result found within the time limit. It has not been proven that no form with fewer sums exists.</translation>
    </message>
    <message>
        <source>主項表</source>
        <translation>PI chart</translation>
    </message>
    <message>
        <source>この作業は時間が異常にかかる可能性があります。よろしいですか？</source>
        <translation>This may take an unusually long time. Continue?</translation>
    </message>
    <message>
        <source>主項の欄に項として読めないものがあります。変数 a～j と ~、*、+ だけで書いてください。</source>
        <translation>Something in the prime implicant box cannot be read as a term. Write only the variables a to j and ~, *, +.</translation>
    </message>
    <message>
        <source>主項の欄の項では、値が 1 になる行をすべて覆えないため、簡単化できません。</source>
        <translation>The terms in the prime implicant box do not cover every row of value 1, so they cannot be simplified.</translation>
    </message>
    <message>
        <source>制限時間内に見つかった最良の結果です。これより項の少ない形がないことは確かめられていません。</source>
        <translation>This is the best result found within the time limit. It has not been proven that no form with fewer terms exists.</translation>
    </message>
    <message>
        <source>式として読めないため変換できません。</source>
        <translation>This cannot be read as an expression, so it cannot be converted.</translation>
    </message>
    <message>
        <source>変換結果が長すぎるため表示できません（%1 文字まで）。</source>
        <translation>The result is too long to show (at most %1 characters).</translation>
    </message>
    <message>
        <source>式変換</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>変換</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>主項</source>
        <translation>Prime implicants</translation>
    </message>
    <message>
        <source>簡単化</source>
        <translation>Simplify</translation>
    </message>
    <message>
        <source>Nandとnotのみ</source>
        <translation>NAND and NOT only</translation>
    </message>
    <message>
        <source>Norとnotのみ</source>
        <translation>NOR and NOT only</translation>
    </message>
    <message>
        <source>Nandのみ</source>
        <translation>NAND only</translation>
    </message>
    <message>
        <source>Norのみ</source>
        <translation>NOR only</translation>
    </message>
    <message>
        <source>証明を続ける</source>
        <translation>Continue proof</translation>
    </message>
    <message>
        <source>クワイン・マクラスキー法</source>
        <translation>Quine–McCluskey</translation>
    </message>
    <message>
        <source>一覧へ</source>
        <translation>To list</translation>
    </message>
    <message>
        <source>この式を主画面の一覧に加えます</source>
        <translation>Adds this expression to the list of the main window</translation>
    </message>
    <message>
        <source>最小であることを確かめました（%1 項）。</source>
        <translation>Proven minimal (%1 terms).</translation>
    </message>
    <message>
        <source>証明中：最良 %1 項、最小は %2 項以上です。</source>
        <translation>Proving: best %1 terms; the minimum has at least %2 terms.</translation>
    </message>
    <message>
        <source>この形は %1 項、最小は %2 項以上です。</source>
        <translation>This form has %1 terms; the minimum has at least %2 terms.</translation>
    </message>
    <message>
        <source>証明を中止</source>
        <translation>Stop proof</translation>
    </message>
    <message>
        <source>（中止しました）</source>
        <translation>(stopped)</translation>
    </message>
    <message>
        <source>ハザードなし</source>
        <translation>Hazard-free</translation>
    </message>
    <message>
        <source>隣り合う 0 の行の組をどれも一つの和で覆う最小の和積形</source>
        <translation>The smallest product of sums that holds every pair of adjacent 0-rows in one sum</translation>
    </message>
    <message>
        <source>隣り合う 1 の行の組をどれも一つの項で覆う最小の積和形</source>
        <translation>The smallest sum of products that holds every pair of adjacent 1-rows in one term</translation>
    </message>
    <message>
        <source>最小の形にハザードはありません（追加した合意項はありません）。</source>
        <translation>The smallest form has no hazard (no consensus terms added).</translation>
    </message>
    <message>
        <source>追加した合意項: %1</source>
        <translation>Consensus terms added: %1</translation>
    </message>
    <message>
        <source>式の変形</source>
        <translation>Derivation</translation>
    </message>
</context>
<context>
    <name>ronri::CoreText</name>
    <message>
        <source>何か入力してください</source>
        <translation>Please enter something</translation>
    </message>
    <message>
        <source>変数が多いんとちがいます？演算子が少なすぎますって</source>
        <translation>Aren&apos;t there too many variables? Too few operators, you know</translation>
    </message>
    <message>
        <source>変数が少ないんとちがいます？演算子が多すぎますって</source>
        <translation>Aren&apos;t there too few variables? Too many operators, you know</translation>
    </message>
    <message>
        <source>（&#x3000;が多い気がしますよ</source>
        <translation>Looks like too many (</translation>
    </message>
    <message>
        <source>）&#x3000;が多い気がしますよ</source>
        <translation>Looks like too many )</translation>
    </message>
    <message>
        <source>同じ変数が二度選ばれています。BSで選び直してください</source>
        <translation>The same variable is chosen twice. Press BS and choose again</translation>
    </message>
    <message>
        <source>2ビットカウンタ</source>
        <translation>2-bit counter</translation>
    </message>
    <message>
        <source>5進カウンタ</source>
        <translation>Mod-5 counter</translation>
    </message>
    <message>
        <source>3ビットグレイコードカウンタ</source>
        <translation>3-bit Gray code counter</translation>
    </message>
    <message>
        <source>アップダウンカウンタ</source>
        <translation>Up/down counter</translation>
    </message>
    <message>
        <source>系列検出 101（ミーリ型）</source>
        <translation>Sequence detector 101 (Mealy)</translation>
    </message>
    <message>
        <source>系列検出 101（ムーア型）</source>
        <translation>Sequence detector 101 (Moore)</translation>
    </message>
</context>
<context>
    <name>ronri::CountDialog</name>
    <message>
        <source>変数の数は？</source>
        <translation>How many variables?</translation>
    </message>
    <message>
        <source>選んでください</source>
        <translation>Please choose one</translation>
    </message>
</context>
<context>
    <name>ronri::CoverProof</name>
    <message>
        <source>最小は %1 項以上です。</source>
        <translation>The minimum has at least %1 terms.</translation>
    </message>
</context>
<context>
    <name>ronri::DerivationForm</name>
    <message>
        <source>式の変形</source>
        <translation>Derivation</translation>
    </message>
    <message>
        <source>積和形</source>
        <translation>Sum of products</translation>
    </message>
    <message>
        <source>和積形</source>
        <translation>Product of sums</translation>
    </message>
    <message>
        <source>変形の行き先:</source>
        <translation>Derive to:</translation>
    </message>
    <message>
        <source>赤：その行で書き換えた部分&#x3000;青い下線：次の行で書き換える部分</source>
        <translation>Red: the part rewritten in that line.  Blue underline: the part the next line rewrites.</translation>
    </message>
    <message>
        <source>式</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>法則</source>
        <translation>Law</translation>
    </message>
    <message>
        <source>LaTeXとして保存…</source>
        <translation>Save as LaTeX…</translation>
    </message>
    <message>
        <source>自分で変形</source>
        <translation>Your own step</translation>
    </message>
    <message>
        <source>確かめる</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>この行から</source>
        <translation>From this line</translation>
    </message>
    <message>
        <source>次の行</source>
        <translation>Next line</translation>
    </message>
    <message>
        <source>使った法則</source>
        <translation>Law used</translation>
    </message>
    <message>
        <source>この式は変形できません（読めない式か、変数の数を超える文字があります）。</source>
        <translation>This expression cannot be derived (it cannot be read, or it uses letters beyond the number of variables).</translation>
    </message>
    <message>
        <source>変形の途中で前の行と等しくない行ができたため、そこで止めました。プログラムの誤りです。</source>
        <translation>A line came out that is not equal to the one before, so the derivation stopped there. This is a fault of the program.</translation>
    </message>
    <message>
        <source>%1 行。この式はいつも 1（恒真）なので、最後の行は 1 です。</source>
        <translation>%1 lines. The expression is always 1 (a tautology), so the last line is 1.</translation>
    </message>
    <message>
        <source>%1 行。この式はいつも 0（恒偽）なので、最後の行は 0 です。</source>
        <translation>%1 lines. The expression is always 0 (a contradiction), so the last line is 0.</translation>
    </message>
    <message>
        <source>%1 行。最後の行は「簡単化（和積形）」と同じ最小の和積形です。</source>
        <translation>%1 lines. The last line is the minimal product of sums, the same as &quot;Simplify (POS)&quot;.</translation>
    </message>
    <message>
        <source>%1 行。最後の行は「簡単化」と同じ最小の積和形です。</source>
        <translation>%1 lines. The last line is the minimal sum of products, the same as &quot;Simplify&quot;.</translation>
    </message>
    <message>
        <source>ドントケアの行は使わず、式そのものを変形しています。</source>
        <translation> The don&apos;t-care rows are not used: the expression itself is derived.</translation>
    </message>
    <message>
        <source>保存する変形がありません。</source>
        <translation>There is no derivation to save.</translation>
    </message>
    <message>
        <source>LaTeXとして保存</source>
        <translation>Save as LaTeX</translation>
    </message>
    <message>
        <source>LaTeX (*.tex)</source>
        <translation>LaTeX (*.tex)</translation>
    </message>
    <message>
        <source>LaTeX を保存できませんでした。
%1</source>
        <translation>Could not save the LaTeX file.
%1</translation>
    </message>
</context>
<context>
    <name>ronri::DisplayForm</name>
    <message>
        <source>式表示</source>
        <translation>Expressions</translation>
    </message>
    <message>
        <source>入力式</source>
        <translation>Input expression</translation>
    </message>
    <message>
        <source>主加法標準形</source>
        <translation>Canonical sum of products</translation>
    </message>
    <message>
        <source>主乗法標準形</source>
        <translation>Canonical product of sums</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>一覧へ</source>
        <translation>To list</translation>
    </message>
    <message>
        <source>この式を主画面の一覧に加えます</source>
        <translation>Adds this expression to the list of the main window</translation>
    </message>
</context>
<context>
    <name>ronri::DontCare</name>
    <message>
        <source>クリックで 0 と 1、右クリックか X キーで X（ドントケア）</source>
        <translation>Click: 0 or 1; right-click or the X key: X (don&apos;t care)</translation>
    </message>
</context>
<context>
    <name>ronri::DrawingExport</name>
    <message>
        <source>PNG を作れませんでした</source>
        <translation>Could not make the PNG</translation>
    </message>
    <message>
        <source>画像として保存…</source>
        <translation>Save as image…</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>印刷…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>CSVとして保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>画像として保存</source>
        <translation>Save as image</translation>
    </message>
    <message>
        <source>画像を保存できませんでした。
%1</source>
        <translation>Could not save the image.
%1</translation>
    </message>
    <message>
        <source>CSVとして保存</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>CSV を保存できませんでした。
%1</source>
        <translation>Could not save the CSV.
%1</translation>
    </message>
    <message>
        <source>印刷プレビュー…</source>
        <translation>Print preview…</translation>
    </message>
    <message>
        <source>保存するデータがありません。</source>
        <translation>There is nothing to save.</translation>
    </message>
</context>
<context>
    <name>ronri::ExerciseForm</name>
    <message>
        <source>指定なし</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>必須主項だけで決まる</source>
        <translation>Essential primes suffice</translation>
    </message>
    <message>
        <source>巡回（必須主項なし）</source>
        <translation>Cyclic (no essential prime)</translation>
    </message>
    <message>
        <source>最小解が複数</source>
        <translation>Several minimal answers</translation>
    </message>
    <message>
        <source>多数</source>
        <translation>many</translation>
    </message>
    <message>
        <source>演習問題の作成</source>
        <translation>Exercise sets</translation>
    </message>
    <message>
        <source>一行に一人（空なら問題の数だけ）</source>
        <translation>One a line (empty: as many problems as asked)</translation>
    </message>
    <message>
        <source>変数の数</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>1 の行の数</source>
        <translation>Rows of 1</translation>
    </message>
    <message>
        <source>X の行の数</source>
        <translation>Rows of X</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>問題の数</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>シード</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>生徒の名前</source>
        <translation>Students</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>問題用紙…</source>
        <translation>Worksheet…</translation>
    </message>
    <message>
        <source>問題用紙</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>解答…</source>
        <translation>Answer key…</translation>
    </message>
    <message>
        <source>解答</source>
        <translation>Answer key</translation>
    </message>
    <message>
        <source>LaTeXで保存…</source>
        <translation>Save as LaTeX…</translation>
    </message>
    <message>
        <source>LaTeXで保存</source>
        <translation>Save as LaTeX</translation>
    </message>
    <message>
        <source>LaTeX (*.tex)</source>
        <translation>LaTeX (*.tex)</translation>
    </message>
    <message>
        <source>問題ファイルを保存…</source>
        <translation>Save problem file…</translation>
    </message>
    <message>
        <source>問題ファイルを保存</source>
        <translation>Save problem file</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 変数、1 の行 %2、X の行 %3</source>
        <translation>%1 variables, %2 rows of 1, %3 rows of X</translation>
    </message>
    <message>
        <source>%1 では作れません。1 の行は 1 つ以上、1 の行と X の行は合わせて %2 未満にしてください。</source>
        <translation>No problem can be made with %1. Take at least one row of 1, and fewer than %2 rows of 1 and X together.</translation>
    </message>
    <message>
        <source>%1 の関数に「%2」のものはありません。</source>
        <translation>No function with %1 is of the kind &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 の関数に「%2」のものが見つかりませんでした。大きさを変えてください。</source>
        <translation>No function with %1 of the kind &quot;%2&quot; was found. Please change the sizes.</translation>
    </message>
    <message>
        <source>%1 の「%2」の関数は問題の数より少ないため、同じ問題があります。</source>
        <translation>There are fewer functions with %1 of the kind &quot;%2&quot; than problems, so some problems repeat.</translation>
    </message>
    <message>
        <source>%1 問（シード %2）</source>
        <translation>%1 problems (seed %2)</translation>
    </message>
    <message>
        <source>演習問題の解答（シード %1）</source>
        <translation>Exercises: answer key (seed %1)</translation>
    </message>
    <message>
        <source>演習問題（シード %1）</source>
        <translation>Exercises (seed %1)</translation>
    </message>
    <message>
        <source>  名前: %1</source>
        <translation>  Name: %1</translation>
    </message>
    <message>
        <source>問題 %1%2   %3 変数   f = %4</source>
        <translation>Problem %1%2   %3 variables   f = %4</translation>
    </message>
    <message>
        <source>最小積和形</source>
        <translation>Minimal SOP</translation>
    </message>
    <message>
        <source>最小和積形</source>
        <translation>Minimal POS</translation>
    </message>
    <message>
        <source>&#x3000;（最小の被覆 %1 通り、%2 項 %3 文字）</source>
        <translation>  (%1 minimal covers, %2 terms, %3 letters)</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした。
%2</source>
        <translation>Could not save %1.
%2</translation>
    </message>
    <message>
        <source>保存しました: %1 と %2</source>
        <translation>Saved: %1 and %2</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
<context>
    <name>ronri::ExpressionField</name>
    <message>
        <source>先に変数の数を選んでください</source>
        <translation>Choose the number of variables first</translation>
    </message>
    <message>
        <source>「%1」は入力できません（使えるのは %2 と ( ) + * ~ @ % $ |）</source>
        <translation>&quot;%1&quot; cannot be typed (use %2 and ( ) + * ~ @ % $ |)</translation>
    </message>
    <message>
        <source>%1 の前に変数がありません</source>
        <translation>no variable before %1</translation>
    </message>
    <message>
        <source>%1 の後に変数がありません</source>
        <translation>no variable after %1</translation>
    </message>
    <message>
        <source>%1 の前に演算子が必要です</source>
        <translation>an operator is needed before %1</translation>
    </message>
    <message>
        <source>この ) に対応する ( がありません</source>
        <translation>this ) has no ( before it</translation>
    </message>
    <message>
        <source>この ( が閉じていません</source>
        <translation>this ( is never closed</translation>
    </message>
    <message>
        <source>( ) の中が空です</source>
        <translation>nothing between ( and )</translation>
    </message>
    <message>
        <source>%1 は式に使えない文字です</source>
        <translation>%1 cannot be used in an expression</translation>
    </message>
    <message>
        <source>変数は %1 つなので %2 は使えません</source>
        <translation>%2 cannot be used with %1 variables</translation>
    </message>
    <message>
        <source>%1 文字目: %2</source>
        <translation>Character %1: %2</translation>
    </message>
</context>
<context>
    <name>ronri::Grading</name>
    <message>
        <source>引用符が閉じていません</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>引用符の位置が正しくありません</source>
        <translation>a quote is out of place</translation>
    </message>
    <message>
        <source>項目が %1 個ではありません</source>
        <translation>not %1 fields</translation>
    </message>
    <message>
        <source>問題 id「%1」は問題ファイルにありません</source>
        <translation>problem id &quot;%1&quot; is not in the problem file</translation>
    </message>
    <message>
        <source>答えが空です</source>
        <translation>the answer is empty</translation>
    </message>
    <message>
        <source>答えの %1</source>
        <translation>Answer, %1</translation>
    </message>
    <message>
        <source>変数の数が 1 から 10 の数ではありません</source>
        <translation>the number of variables is not a number from 1 to 10</translation>
    </message>
    <message>
        <source>id「%1」は前の行にもあります</source>
        <translation>id &quot;%1&quot; is on an earlier line too</translation>
    </message>
    <message>
        <source>ファイル %1 を読めません</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>正解</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>最小でない</source>
        <translation>Not minimal</translation>
    </message>
    <message>
        <source>違う</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>積和形でも和積形でもない</source>
        <translation>Neither SOP nor POS</translation>
    </message>
    <message>
        <source>読めない</source>
        <translation>Unreadable</translation>
    </message>
    <message>
        <source>%1 は主項ではありません（%2 を除けます）</source>
        <translation>%1 is not a prime implicant (%2 can go)</translation>
    </message>
    <message>
        <source>必須主項 %1 がありません</source>
        <translation>the essential prime %1 is missing</translation>
    </message>
    <message>
        <source>%1 は除けます（ほかの項で足ります）</source>
        <translation>%1 can be dropped (the others cover it)</translation>
    </message>
    <message>
        <source>%1 行で値が違います: %2</source>
        <translation>%1 rows differ: %2</translation>
    </message>
    <message>
        <source>この答えは %1 項 %2 文字、最小は %3 項 %4 文字</source>
        <translation>this answer has %1 terms and %2 letters, the minimum %3 terms and %4 letters</translation>
    </message>
    <message>
        <source>問題ファイル %1 行目: </source>
        <translation>problem file line %1: </translation>
    </message>
    <message>
        <source>%1 行目: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>和積形で最小</source>
        <translation>minimal product of sums</translation>
    </message>
    <message>
        <source>積和形で最小</source>
        <translation>minimal sum of products</translation>
    </message>
    <message>
        <source>値は等しい式です</source>
        <translation>equal in value</translation>
    </message>
    <message>
        <source>使い方: ronrilab --grade 問題ファイル.csv 答えファイル.csv
</source>
        <translation>Usage: ronrilab --grade PROBLEMS.csv ANSWERS.csv
</translation>
    </message>
</context>
<context>
    <name>ronri::GradingForm</name>
    <message>
        <source>まとめて採点</source>
        <translation>Grade a class</translation>
    </message>
    <message>
        <source>参照…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>CSV (*.csv);;すべてのファイル (*)</source>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>結果を保存…</source>
        <translation>Save result…</translation>
    </message>
    <message>
        <source>問題ファイル</source>
        <translation>Problem file</translation>
    </message>
    <message>
        <source>答えのファイル</source>
        <translation>Answer file</translation>
    </message>
    <message>
        <source>採点</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>結果を保存</source>
        <translation>Save result</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした。
%2</source>
        <translation>Could not save %1.
%2</translation>
    </message>
    <message>
        <source>問題ごとの集計</source>
        <translation>Count per problem</translation>
    </message>
    <message>
        <source>%1 行を採点しました</source>
        <translation>%1 lines graded</translation>
    </message>
</context>
<context>
    <name>ronri::HelpService</name>
    <message>
        <source>見つかりません</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプ ファイル %1 が見つかりません。</source>
        <translation>Help file %1 not found.</translation>
    </message>
    <message>
        <source>ヘルプ - </source>
        <translation>Help - </translation>
    </message>
</context>
<context>
    <name>ronri::KmapForm</name>
    <message>
        <source>制限時間内に見つかった最良の組合せです（最小とは限りません）</source>
        <translation>The best combination found within the time limit (not necessarily minimal)</translation>
    </message>
    <message>
        <source>カルノー図</source>
        <translation>Karnaugh map</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>０，１どちらを表示？</source>
        <translation>Show 0 or 1?</translation>
    </message>
    <message>
        <source>囲むのは？</source>
        <translation>Loop which?</translation>
    </message>
    <message>
        <source>全ての主項</source>
        <translation>All prime implicants</translation>
    </message>
    <message>
        <source>必要最小主項（簡単化）</source>
        <translation>Minimal cover</translation>
    </message>
    <message>
        <source>一つ</source>
        <translation>One</translation>
    </message>
    <message>
        <source>全て</source>
        <translation>All</translation>
    </message>
    <message>
        <source>囲む</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>デフォルト値を入力します</source>
        <translation>Using the default axes</translation>
    </message>
    <message>
        <source>この作業は時間が異常にかかる可能性があります。よろしいですか？</source>
        <translation>This may take an unusually long time. Continue?</translation>
    </message>
    <message>
        <source>ハザード</source>
        <translation>Hazards</translation>
    </message>
    <message>
        <source>1 のセルの隣り合う組で、どのループにも一緒に入っていないもの（静的 1 ハザード）を矢印で示します。0 のセルでは、最小の和積形のループについて静的 0 ハザードを示します</source>
        <translation>Marks with arrows each pair of adjacent 1-cells that no loop holds together (a static-1 hazard). With the 0-cells shown, marks the static-0 hazards of the loops of the smallest product of sums</translation>
    </message>
</context>
<context>
    <name>ronri::LawNames</name>
    <message>
        <source>交換則</source>
        <translation>commutative law</translation>
    </message>
    <message>
        <source>結合則</source>
        <translation>associative law</translation>
    </message>
    <message>
        <source>分配則</source>
        <translation>distributive law</translation>
    </message>
    <message>
        <source>冪等則</source>
        <translation>idempotent law</translation>
    </message>
    <message>
        <source>補元則</source>
        <translation>complement law</translation>
    </message>
    <message>
        <source>恒等則</source>
        <translation>identity law</translation>
    </message>
    <message>
        <source>零元則</source>
        <translation>null law</translation>
    </message>
    <message>
        <source>二重否定</source>
        <translation>double negation</translation>
    </message>
    <message>
        <source>吸収則</source>
        <translation>absorption law</translation>
    </message>
    <message>
        <source>ド・モルガンの定理</source>
        <translation>De Morgan&apos;s theorem</translation>
    </message>
    <message>
        <source>併合</source>
        <translation>combining</translation>
    </message>
    <message>
        <source>合意の定理</source>
        <translation>consensus theorem</translation>
    </message>
    <message>
        <source>@ の定義</source>
        <translation>definition of @</translation>
    </message>
    <message>
        <source>% の定義</source>
        <translation>definition of %</translation>
    </message>
    <message>
        <source>$ の定義</source>
        <translation>definition of $</translation>
    </message>
    <message>
        <source>| の定義</source>
        <translation>definition of |</translation>
    </message>
    <message>
        <source>分配則で展開: %1 項</source>
        <translation>expanded by the distributive law: %1 terms</translation>
    </message>
    <message>
        <source>冪等則で項を複製: %1 項</source>
        <translation>terms copied by the idempotent law: %1 terms</translation>
    </message>
    <message>
        <source>併合: %1 回</source>
        <translation>combining: %1 times</translation>
    </message>
    <message>
        <source>%1（まとめて %2 回）</source>
        <translation>%1 (%2 times at once)</translation>
    </message>
</context>
<context>
    <name>ronri::MainForm</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>「%1」に保存できませんでした。</source>
        <translation>Could not save to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>「%1」を開けませんでした。</source>
        <translation>Could not open &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>「%1」は式のファイルとして読めませんでした。</source>
        <translation>&quot;%1&quot; could not be read as an expression file.</translation>
    </message>
    <message>
        <source>「%1」は大きすぎるため、はじめの %2 件だけを読みました。</source>
        <translation>&quot;%1&quot; is too large; only its first %2 entries were read.</translation>
    </message>
    <message>
        <source>（</source>
        <translation>(</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>変数は</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>１つ</source>
        <translation>1</translation>
    </message>
    <message>
        <source>２つ</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３つ</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４つ</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５つ</source>
        <translation>5</translation>
    </message>
    <message>
        <source>６つ</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７つ</source>
        <translation>7</translation>
    </message>
    <message>
        <source>８つ</source>
        <translation>8</translation>
    </message>
    <message>
        <source>９つ</source>
        <translation>9</translation>
    </message>
    <message>
        <source>１０つ</source>
        <translation>10</translation>
    </message>
    <message>
        <source>使用</source>
        <translation>variables</translation>
    </message>
    <message>
        <source>入力</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>真理値表</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>カルノー図</source>
        <translation>Karnaugh map</translation>
    </message>
    <message>
        <source>ツール</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>比較</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>基本設定</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>番号で入力…</source>
        <translation>By row numbers…</translation>
    </message>
    <message>
        <source>答え合わせ…</source>
        <translation>Check an answer…</translation>
    </message>
    <message>
        <source>「%1」の %2 番目の式は d(…) に読めない部分があったため、その部分を除いて読みました。</source>
        <translation>Part of d(…) in entry %2 of “%1” could not be read; the entry was read without that part.</translation>
    </message>
    <message>
        <source>複数出力の真理値表</source>
        <translation>Truth table with several outputs</translation>
    </message>
    <message>
        <source>一覧の式を選んでから「作成」を押してください</source>
        <translation>Select an expression in the list, then press &quot;Create&quot;</translation>
    </message>
    <message>
        <source>演習問題の作成…</source>
        <translation>Exercise sets…</translation>
    </message>
    <message>
        <source>まとめて採点…</source>
        <translation>Grade a class…</translation>
    </message>
    <message>
        <source>順序回路の設計…</source>
        <translation>Sequential circuit design…</translation>
    </message>
</context>
<context>
    <name>ronri::MapCountForm</name>
    <message>
        <source>変数の数は？</source>
        <translation>Variables</translation>
    </message>
</context>
<context>
    <name>ronri::MapInputForm</name>
    <message>
        <source>簡単化して入力</source>
        <translation>Simplify and input</translation>
    </message>
    <message>
        <source>カルノー図入力</source>
        <translation>Karnaugh map input</translation>
    </message>
    <message>
        <source>入力</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>X付きで入力</source>
        <translation>Input with X</translation>
    </message>
</context>
<context>
    <name>ronri::Messages</name>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>ronri::MultiOutputCircuitForm</name>
    <message>
        <source>複数出力の回路図</source>
        <translation>Circuit of several outputs</translation>
    </message>
    <message>
        <source>試す</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>入力に印を付けると 1 です。右クリックで画像の保存・コピー・印刷。</source>
        <translation>A ticked input is 1. Right-click to save, copy or print the picture.</translation>
    </message>
</context>
<context>
    <name>ronri::MultiOutputForm</name>
    <message>
        <source>複数出力の真理値表</source>
        <translation>Truth table with several outputs</translation>
    </message>
    <message>
        <source>例題…</source>
        <translation>Examples…</translation>
    </message>
    <message>
        <source>半加算器</source>
        <translation>Half adder</translation>
    </message>
    <message>
        <source>全加算器</source>
        <translation>Full adder</translation>
    </message>
    <message>
        <source>2ビット比較器</source>
        <translation>2-bit comparator</translation>
    </message>
    <message>
        <source>BCD→7セグメント</source>
        <translation>BCD to 7 segments</translation>
    </message>
    <message>
        <source>2→4デコーダ</source>
        <translation>2-to-4 decoder</translation>
    </message>
    <message>
        <source>開く…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>入力数</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>出力数</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>クリックで 0/1、右クリックか X キーで X（どちらでもよい）</source>
        <translation>Click for 0/1; right-click or the X key for X (don&apos;t care)</translation>
    </message>
    <message>
        <source>共有項で最小化</source>
        <translation>Minimise with shared terms</translation>
    </message>
    <message>
        <source>回路図</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>各出力の最小形</source>
        <translation>Smallest form of each output</translation>
    </message>
    <message>
        <source>共有する積項と出力</source>
        <translation>Shared product terms and their outputs</translation>
    </message>
    <message>
        <source>ゲート数</source>
        <translation>Gate counts</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>出力の名前には、ほかの出力と違う 16 バイトまでの名前を付けてください（コンマと引用符、入力の文字 a～f だけの名前は使えません）。</source>
        <translation>Give the output a name of up to 16 bytes that no other output has (no commas or quotes, and not an input letter a to f alone).</translation>
    </message>
    <message>
        <source>%1 を開けません: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 は真理値表の CSV としては大きすぎます。</source>
        <translation>%1 is too large for a truth-table CSV.</translation>
    </message>
    <message>
        <source>見出しの行がありません</source>
        <translation>there is no header line</translation>
    </message>
    <message>
        <source>見出しが入力 a で始まっていません</source>
        <translation>the header does not start with the input a</translation>
    </message>
    <message>
        <source>入力のあとに出力の列がありません</source>
        <translation>there is no output column after the inputs</translation>
    </message>
    <message>
        <source>出力が 8 個を超えています</source>
        <translation>more than 8 outputs</translation>
    </message>
    <message>
        <source>出力の名前が空か、使えない文字を含むか、重なっています</source>
        <translation>an output name is empty, has a character that is not allowed, or is used twice</translation>
    </message>
    <message>
        <source>列の数が見出しと違います</source>
        <translation>the number of cells differs from the header</translation>
    </message>
    <message>
        <source>入力の欄が 0 でも 1 でもありません</source>
        <translation>an input cell is neither 0 nor 1</translation>
    </message>
    <message>
        <source>出力の欄が 0、1、X のどれでもありません</source>
        <translation>an output cell is not 0, 1 or X</translation>
    </message>
    <message>
        <source>同じ入力の行が前にもあります</source>
        <translation>the same input row came before</translation>
    </message>
    <message>
        <source>%1 は読み込めません。
%2 行目: %3。
表はそのままです。</source>
        <translation>%1 cannot be read.
Line %2: %3.
The table is left as it was.</translation>
    </message>
    <message>
        <source>%1 に保存できません: %2</source>
        <translation>Cannot save to %1: %2</translation>
    </message>
    <message>
        <source>「共有項で最小化」で、各出力の最小形と共有した最小形を求めます。</source>
        <translation>&quot;Minimise with shared terms&quot; finds each output&apos;s smallest form and the smallest shared one.</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>個別の最小形</source>
        <translation>Smallest alone</translation>
    </message>
    <message>
        <source>共有項での形</source>
        <translation>With shared terms</translation>
    </message>
    <message>
        <source> （最良）</source>
        <translation> (best found)</translation>
    </message>
    <message>
        <source>一覧へ</source>
        <translation>To list</translation>
    </message>
    <message>
        <source>積項</source>
        <translation>Product terms</translation>
    </message>
    <message>
        <source>個別</source>
        <translation>Separately</translation>
    </message>
    <message>
        <source>共有</source>
        <translation>Shared</translation>
    </message>
    <message>
        <source>AND ゲート</source>
        <translation>AND gates</translation>
    </message>
    <message>
        <source>OR ゲート</source>
        <translation>OR gates</translation>
    </message>
    <message>
        <source>ゲート入力数</source>
        <translation>Gate inputs</translation>
    </message>
    <message>
        <source>共有した形は最小です（積項の数、次にゲート入力数）。</source>
        <translation>The shared form is minimal (number of product terms, then gate inputs).</translation>
    </message>
    <message>
        <source>制限時間内に見つかった最良の組合せです（最小とは限りません）</source>
        <translation>The best combination found within the time limit (not necessarily the smallest)</translation>
    </message>
    <message>
        <source>入力した値は消えます。よろしいですか？</source>
        <translation>The values entered will be lost. Continue?</translation>
    </message>
    <message>
        <source>ゲートの入力は4つまでです。それより多い入力は、図と同じく何段かのゲートに分けて数えます。</source>
        <translation>A gate takes at most four inputs; more are split over several levels of gates, as drawn, and counted so.</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>入力の文字と同じ出力の名前を変えました: %1</source>
        <translation>Output names that are input letters were renamed: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 には %2 行がありません（行 %3）。
その行を X として読み込みますか？（いいえ: 表はそのままです）</source>
        <translation>%1 lacks %2 rows (rows %3).
Read them as X? (No: the table stays as it is)</translation>
    </message>
</context>
<context>
    <name>ronri::NotationForm</name>
    <message>
        <source>見やすい式への変換？</source>
        <translation>Textbook notation</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>長い式のため、先頭の %1 文字分だけを描いています。</source>
        <translation>The expression is long: only its first %1 characters are drawn.</translation>
    </message>
</context>
<context>
    <name>ronri::NumberInputForm</name>
    <message>
        <source>番号で入力</source>
        <translation>Input by row numbers</translation>
    </message>
    <message>
        <source>「%1」は番号として読めません。0,1,2 や 8-10 のように書いてください</source>
        <translation>&quot;%1&quot; cannot be read as row numbers. Write them like 0,1,2 or 8-10</translation>
    </message>
    <message>
        <source>%1 は行の番号ではありません（変数 %2 つの行は 0～%3）</source>
        <translation>%1 is not a row number (the rows of %2 variables are 0 to %3)</translation>
    </message>
    <message>
        <source>範囲 %1 は逆向きです。小さい番号を先に書いてください</source>
        <translation>The range %1 runs backwards. Write the smaller number first</translation>
    </message>
    <message>
        <source>%1 が m と d の両方にあります</source>
        <translation>%1 is in both m and d</translation>
    </message>
    <message>
        <source>変数の数</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>1 の行</source>
        <translation>1-rows</translation>
    </message>
    <message>
        <source>ドントケア（なくてもよい）</source>
        <translation>Don&apos;t-cares (optional)</translation>
    </message>
    <message>
        <source>番号は 0 から。並べ方: m(0,1,2,5)、0,1,2,5、範囲 8-10</source>
        <translation>Rows count from 0. Write m(0,1,2,5), 0,1,2,5 or ranges 8-10</translation>
    </message>
    <message>
        <source>入力</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>1 になる行の番号を入れてください</source>
        <translation>Please enter the numbers of the 1-rows</translation>
    </message>
</context>
<context>
    <name>ronri::PatternForm</name>
    <message>
        <source>パターンがいくつかあります。どれにしますか？</source>
        <translation>There are several patterns. Which one?</translation>
    </message>
</context>
<context>
    <name>ronri::PrimeChartForm</name>
    <message>
        <source> … ほか %1 個</source>
        <translation> … and %1 more</translation>
    </message>
    <message>
        <source>主項表</source>
        <translation>Prime implicant chart</translation>
    </message>
    <message>
        <source>黄色の行：必須主項&#x3000;黄色の列：それを必須にする最小項（赤い印：その最小項を覆う唯一の主項）&#x3000;青い印と黒い印：選んだ被覆の主項</source>
        <translation>Yellow rows: essential prime implicants.  Yellow columns: the minterms that make them essential (red mark: the only prime implicant covering that minterm).  Blue and black marks: the prime implicants of the chosen cover.</translation>
    </message>
    <message>
        <source>必須</source>
        <translation>Essential</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Chosen</translation>
    </message>
    <message>
        <source>表の簡約と被覆の選び方</source>
        <translation>Reducing the chart and choosing the cover</translation>
    </message>
    <message>
        <source>値が 1 になる行がないため、主項はありません。</source>
        <translation>No row has the value 1, so there are no prime implicants.</translation>
    </message>
    <message>
        <source>被覆はありません。</source>
        <translation>There is no cover.</translation>
    </message>
    <message>
        <source>選んだ被覆（%1 項）。最小であることが確かめられていないため、ほかの被覆は挙げられません。</source>
        <translation>The chosen cover (%1 terms). It has not been proven minimal, so no other covers are listed.</translation>
    </message>
    <message>
        <source>項の数が最小（%1 項）の被覆：何通りあるかは数えきれませんでした（%2 通りを表示）</source>
        <translation>Covers with the fewest terms (%1): how many there are could not be counted (%2 shown)</translation>
    </message>
    <message>
        <source>項の数が最小（%1 項）の被覆：%2 通り（最初の %3 通りを表示）</source>
        <translation>Covers with the fewest terms (%1): %2 (the first %3 shown)</translation>
    </message>
    <message>
        <source>項の数が最小（%1 項）の被覆：%2 通り</source>
        <translation>Covers with the fewest terms (%1): %2</translation>
    </message>
    <message>
        <source>&#x3000;（このプログラムの選択）</source>
        <translation>  (chosen by this program)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 は最小項 %2 を覆う唯一の主項なので必須です。どの被覆にも入ります。</source>
        <translation>%1 is the only prime implicant covering minterm(s) %2, so it is essential. Every cover contains it.</translation>
    </message>
    <message>
        <source>必須主項が覆う最小項 %1 の列を表から除きます。</source>
        <translation>The columns of the minterms %1, covered by essential prime implicants, are removed from the chart.</translation>
    </message>
    <message>
        <source>必須主項はありません。どの最小項も二つ以上の主項に覆われています。</source>
        <translation>There are no essential prime implicants: every minterm is covered by two or more prime implicants.</translation>
    </message>
    <message>
        <source>残りの表で最小項 %1 を覆うのは %2 だけなので、%2 を選びます。</source>
        <translation>In the remaining chart only %2 covers minterm %1, so %2 is chosen.</translation>
    </message>
    <message>
        <source>最小項 %2 を覆う主項はどれも最小項 %1 も覆うので、最小項 %1 の列を除きます。</source>
        <translation>Every prime implicant covering minterm %2 also covers minterm %1, so the column of minterm %1 is removed.</translation>
    </message>
    <message>
        <source>%1 が覆う残りの最小項はすべて %2 も覆うので、%1 の行を除きます。</source>
        <translation>%2 also covers every remaining minterm that %1 covers, so the row of %1 is removed.</translation>
    </message>
    <message>
        <source>%1 は残りの最小項を一つも覆わないので、%1 の行を除きます。</source>
        <translation>%1 covers none of the remaining minterms, so the row of %1 is removed.</translation>
    </message>
    <message>
        <source>同じような削除をほかに %1 回行います。</source>
        <translation>%1 more removals of the same kind follow.</translation>
    </message>
    <message>
        <source>これで表はすべて片付き、巡回核は残りません。</source>
        <translation>The chart is now empty: no cyclic core remains.</translation>
    </message>
    <message>
        <source>残った表（巡回核）：主項 %1 の %2 行と、最小項 %3 の %4 列です。どの列にも印が二つ以上あり、これ以上は縮められません。</source>
        <translation>The remaining chart (cyclic core): %2 rows, of the prime implicants %1, and %4 columns, of the minterms %3. Every column has two or more marks, so it cannot be reduced further.</translation>
    </message>
    <message>
        <source>各最小項を覆う主項の和をすべて掛け合わせ、吸収しながら展開しました（積和展開）。%1 通りの積が残りました。</source>
        <translation>The sums of the prime implicants covering each minterm were multiplied out, absorbing as it went (Petrick&apos;s method). %1 products remained.</translation>
    </message>
    <message>
        <source>各最小項を覆う主項の和をすべて掛け合わせ、吸収しながら展開しました（積和展開）：
   %1
   展開すると %2 通りの積が残ります。</source>
        <translation>The sums of the prime implicants covering each minterm were multiplied out, absorbing as it went (Petrick&apos;s method):
   %1
   Multiplied out, %2 products remain.</translation>
    </message>
    <message>
        <source>各最小項を覆う主項の和をすべて掛け合わせ、吸収しながら展開しました（積和展開）：
   %1
   = %2</source>
        <translation>The sums of the prime implicants covering each minterm were multiplied out, absorbing as it went (Petrick&apos;s method):
   %1
   = %2</translation>
    </message>
    <message>
        <source>表が大きいため積和展開はせず、必須主項と支配による削除のあと、残りを整数計画法で厳密に解きました（制限時間 2 秒）。</source>
        <translation>The chart is large, so instead of Petrick&apos;s method the rest, after the essential prime implicants and the removals by dominance, was solved exactly by integer programming (time limit 2 seconds).</translation>
    </message>
    <message>
        <source>制限時間内に見つかった最良の結果です。これより項の少ない形がないことは確かめられていません。</source>
        <translation>This is the best result found within the time limit. It has not been proven that no form with fewer terms exists.</translation>
    </message>
    <message>
        <source>項の数が最も少ない最初の積 %1 を選びました：%2</source>
        <translation>The first product with the fewest terms, %1, is chosen: %2</translation>
    </message>
    <message>
        <source>選んだ被覆（%1 項）：%2</source>
        <translation>The chosen cover (%1 terms): %2</translation>
    </message>
    <message>
        <source>地図に表示</source>
        <translation>Show on map</translation>
    </message>
    <message>
        <source>最小は %1 項以上です。</source>
        <translation> The minimum has at least %1 terms.</translation>
    </message>
</context>
<context>
    <name>ronri::PrintHeader</name>
    <message>
        <source>f = %1&#x3000;（%2）</source>
        <translation>f = %1  (%2)</translation>
    </message>
</context>
<context>
    <name>ronri::PrintPages</name>
    <message>
        <source>プリンタがありません。PDF ファイルに印刷しますか？</source>
        <translation>No printer is installed. Print to a PDF file?</translation>
    </message>
    <message>
        <source>PDF ファイルに印刷</source>
        <translation>Print to a PDF file</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>PDF ファイル %1 に印刷できませんでした。
%2</source>
        <translation>Could not print to the PDF file %1.
%2</translation>
    </message>
    <message>
        <source>フォルダがありません</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>書き込めません</source>
        <translation>The file cannot be written there.</translation>
    </message>
    <message>
        <source>空きがありません</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>印刷を始められませんでした。
%1</source>
        <translation>Printing could not start.
%1</translation>
    </message>
</context>
<context>
    <name>ronri::SendToList</name>
    <message>
        <source>一覧に加える式がありません。先に「変換」を押してください。</source>
        <translation>There is no expression to add to the list. Press &quot;Convert&quot; first.</translation>
    </message>
    <message>
        <source>定数 %1 は式ではないため、一覧に加えられません。</source>
        <translation>The constant %1 is not an expression, so it cannot be added to the list.</translation>
    </message>
    <message>
        <source>式が長すぎるため一覧に加えられません（%1 文字まで、この式は %2 文字）。</source>
        <translation>The expression is too long to add to the list (at most %1 characters; this one has %2).</translation>
    </message>
</context>
<context>
    <name>ronri::SequentialCircuitView</name>
    <message>
        <source>試す</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>クロック</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>クロックを 1 回立ち上げます。フリップフロップが次の状態に移ります。</source>
        <translation>Raises the clock once: the flip-flops move to the next state.</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>右クリックで画像の保存・コピー・印刷、Verilogで保存。</source>
        <translation>Right-click to save, copy or print the picture, or to save it as Verilog.</translation>
    </message>
    <message>
        <source>Verilogで保存…</source>
        <translation>Save as Verilog…</translation>
    </message>
    <message>
        <source>この回路ではクロックを進められません。</source>
        <translation>The clock cannot be stepped in this circuit.</translation>
    </message>
    <message>
        <source>「試す」に印を付けると、入力を選んでクロックを進められます。</source>
        <translation>Tick “Test” to choose the inputs and step the clock.</translation>
    </message>
    <message>
        <source>状態 %1（Q = %2）、クロック %3 回</source>
        <translation>State %1 (Q = %2), %3 clocks</translation>
    </message>
    <message>
        <source>変数が多すぎて回路図を描けません。</source>
        <translation>Too many variables to draw the circuit.</translation>
    </message>
    <message>
        <source>回路の式がまだありません。状態表を埋めて下さい。</source>
        <translation>There are no circuit equations yet. Fill in the state table.</translation>
    </message>
</context>
<context>
    <name>ronri::SequentialForm</name>
    <message>
        <source>順序回路の設計</source>
        <translation>Sequential circuit design</translation>
    </message>
    <message>
        <source>状態表</source>
        <translation>State table</translation>
    </message>
    <message>
        <source>状態遷移図</source>
        <translation>State diagram</translation>
    </message>
    <message>
        <source>状態の簡単化</source>
        <translation>State reduction</translation>
    </message>
    <message>
        <source>状態割り当て</source>
        <translation>State assignment</translation>
    </message>
    <message>
        <source>励起表</source>
        <translation>Excitation table</translation>
    </message>
    <message>
        <source>カルノー図</source>
        <translation>Karnaugh map</translation>
    </message>
    <message>
        <source>式</source>
        <translation>Equations</translation>
    </message>
    <message>
        <source>回路図</source>
        <translation>Circuit diagram</translation>
    </message>
    <message>
        <source>タイミングチャート</source>
        <translation>Timing chart</translation>
    </message>
    <message>
        <source>KISS2で保存…</source>
        <translation>Save as KISS2…</translation>
    </message>
    <message>
        <source>設計した状態表（簡単化したときはその表）を KISS2 形式で保存します</source>
        <translation>Saves the state table designed (the reduced one after a reduction) as KISS2</translation>
    </message>
    <message>
        <source>Verilogで保存…</source>
        <translation>Save as Verilog…</translation>
    </message>
    <message>
        <source>設計した回路を Verilog-2005 のモジュールとして保存します</source>
        <translation>Saves the designed circuit as a Verilog-2005 module</translation>
    </message>
    <message>
        <source>変数が多すぎて最小化できないため、Verilog では保存できません。ほかの割り当てを選んでください。</source>
        <translation>The functions have too many variables to be minimised, so there is no Verilog to save. Choose another assignment.</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>開く…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>KISS2 ファイル (*.kiss2 *.kiss)</source>
        <translation>KISS2 files (*.kiss2 *.kiss)</translation>
    </message>
    <message>
        <source>%1 を開けません: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 は状態表の KISS2 ファイルとしては大きすぎます。</source>
        <translation>%1 is too large for the KISS2 file of a state table.</translation>
    </message>
    <message>
        <source>%1 は読み込めません。
%2 行目: %3。
状態表はそのままです。</source>
        <translation>%1 cannot be read.
Line %2: %3.
The state table is unchanged.</translation>
    </message>
    <message>
        <source>知らない「.」の行です</source>
        <translation>an unknown &quot;.&quot; line</translation>
    </message>
    <message>
        <source>見出しの値が整数ではありません</source>
        <translation>a header&apos;s value is not a whole number</translation>
    </message>
    <message>
        <source>入力が 3 個を超えています</source>
        <translation>more than 3 inputs</translation>
    </message>
    <message>
        <source>出力が 4 個を超えています</source>
        <translation>more than 4 outputs</translation>
    </message>
    <message>
        <source>状態が 16 個を超えています</source>
        <translation>more than 16 states</translation>
    </message>
    <message>
        <source>同じ見出しが二度あります</source>
        <translation>the same header appears twice</translation>
    </message>
    <message>
        <source>表の行が .i と .o より前にあります</source>
        <translation>a table line comes before .i and .o</translation>
    </message>
    <message>
        <source>「入力 現状態 次状態 出力」の 4 つの欄になっていません</source>
        <translation>the line is not the four fields &quot;input present next output&quot;</translation>
    </message>
    <message>
        <source>入力の欄の長さか文字（0、1、-）が違います</source>
        <translation>the input field has the wrong length or a character other than 0, 1, -</translation>
    </message>
    <message>
        <source>出力の欄の長さか文字（0、1、-）が違います</source>
        <translation>the output field has the wrong length or a character other than 0, 1, -</translation>
    </message>
    <message>
        <source>状態の名前に使えない名前です</source>
        <translation>a name that cannot name a state</translation>
    </message>
    <message>
        <source>同じ状態と入力が前の行と違う値で書かれています</source>
        <translation>the same state and input were given differently on an earlier line</translation>
    </message>
    <message>
        <source>同じ状態の出力が行によって違います</source>
        <translation>the outputs of one state differ from line to line</translation>
    </message>
    <message>
        <source>.s の数が表の状態の数と違います</source>
        <translation>.s differs from the number of states in the table</translation>
    </message>
    <message>
        <source>.p の数が表の行の数と違います</source>
        <translation>.p differs from the number of table lines</translation>
    </message>
    <message>
        <source>.r の状態が表にありません</source>
        <translation>the state of .r is not in the table</translation>
    </message>
    <message>
        <source>表の行がありません</source>
        <translation>there is no table line</translation>
    </message>
    <message>
        <source>%1 に保存できません: %2</source>
        <translation>Cannot save to %1: %2</translation>
    </message>
    <message>
        <source>状態表が正しくありません</source>
        <translation>the state table is not sound</translation>
    </message>
    <message>
        <source>%1 を一覧に加えました（%2）。</source>
        <translation>Added %1 to the list (%2).</translation>
    </message>
    <message>
        <source>未定（-）の欄がある状態表は、そのまま設計します。未定の欄をどう決めるかで等価な状態が変わるため、含意表では簡単化しません。</source>
        <translation>A state table with unspecified (-) entries is designed as it is: which states are equivalent depends on how those entries are filled in, so the implication table does not reduce it.</translation>
    </message>
    <message>
        <source>状態表が正しくありません。</source>
        <translation>The state table is not sound.</translation>
    </message>
    <message>
        <source>出力で区別される組に ✕、そのあと含意する組に ✕ のある組に ✕ をパスごとに付けます。等価な状態はなく、状態表はこれ以上簡単になりません。</source>
        <translation>Pairs told apart by their outputs get ✕, then, pass by pass, pairs that imply a pair with ✕. No states are equivalent; the state table cannot be reduced.</translation>
    </message>
    <message>
        <source>出力で区別される組に ✕、そのあと含意する組に ✕ のある組に ✕ をパスごとに付けます。等価な状態: %1。%2 状態を %3 状態にした表で設計します。</source>
        <translation>Pairs told apart by their outputs get ✕, then, pass by pass, pairs that imply a pair with ✕. Equivalent states: %1. The design uses the table reduced from %2 states to %3.</translation>
    </message>
    <message>
        <source>現状態</source>
        <translation>Present state</translation>
    </message>
    <message>
        <source>次状態</source>
        <translation>Next state</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>積項 %1・リテラル %2（フリップフロップ %3 個）</source>
        <translation>%1 terms, %2 literals (%3 flip-flops)</translation>
    </message>
    <message>
        <source>変数が多すぎて最小化できません</source>
        <translation>Too many variables to minimise</translation>
    </message>
    <message>
        <source>「最良」は、対称なものを除くすべての割り当てを調べた最小です。</source>
        <translation>&quot;Best&quot; is the minimum over every assignment, symmetric ones aside (proven).</translation>
    </message>
    <message>
        <source>「最良」は、制限時間（2 秒）内に見つかった最良の割り当てです（最小とは限りません）。</source>
        <translation>&quot;Best&quot; is the best assignment found within the time limit (2 s); it may not be the minimum.</translation>
    </message>
    <message>
        <source>「最良」の割り当てを探しています（2 秒まで）。その間も操作できます。</source>
        <translation>Searching for the best assignment (up to 2 s). You can go on working meanwhile.</translation>
    </message>
    <message>
        <source>状態と符号</source>
        <translation>State and code</translation>
    </message>
    <message>
        <source>入力</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>変数が多すぎて最小化できません。ほかの割り当てを選んでください。</source>
        <translation>Too many variables to minimise. Choose another assignment.</translation>
    </message>
    <message>
        <source>変数が %1 個あるため、カルノー図は省きます。</source>
        <translation>The function has %1 variables; its Karnaugh map is left out.</translation>
    </message>
    <message>
        <source>一覧での文字</source>
        <translation>Letters in the list</translation>
    </message>
    <message>
        <source> （最良）</source>
        <translation> (best found)</translation>
    </message>
    <message>
        <source>一覧へ</source>
        <translation>To list</translation>
    </message>
    <message>
        <source>「（最良）」の式は制限時間内に見つかった最良の形です（最小とは限りません）。</source>
        <translation>Equations marked &quot;(best found)&quot; are the best found within the time limit; they may not be minimal.</translation>
    </message>
    <message>
        <source>含意表（パスごとに表示）:</source>
        <translation>Implication table (shown pass by pass):</translation>
    </message>
    <message>
        <source>簡単化した状態表</source>
        <translation>Reduced state table</translation>
    </message>
    <message>
        <source>2進（表の順）</source>
        <translation>Binary (table order)</translation>
    </message>
    <message>
        <source>グレイ</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>ワンホット</source>
        <translation>One-hot</translation>
    </message>
    <message>
        <source>最良</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>費用は、すべてのフリップフロップ入力と出力の最小積和形の積項の数とリテラルの数の合計です。</source>
        <translation>The cost is the number of terms and of literals of the minimal sums of every flip-flop input and output, added up.</translation>
    </message>
    <message>
        <source>D フリップフロップ</source>
        <translation>D flip-flop</translation>
    </message>
    <message>
        <source>T フリップフロップ</source>
        <translation>T flip-flop</translation>
    </message>
    <message>
        <source>JK フリップフロップ</source>
        <translation>JK flip-flop</translation>
    </message>
    <message>
        <source>SR フリップフロップ</source>
        <translation>SR flip-flop</translation>
    </message>
    <message>
        <source>フリップフロップ</source>
        <translation>Flip-flop</translation>
    </message>
    <message>
        <source>矢印の文字は「入力/出力」です（ムーア型の出力は円の中）。左の矢印が初期状態を指します。右クリックで画像の保存・コピー・印刷。</source>
        <translation>Arrows are labelled &quot;input/output&quot; (Moore outputs are inside the circles). The arrow from the left points at the reset state. Right-click to save, copy or print the picture.</translation>
    </message>
    <message>
        <source>状態遷移図を描けません（Graphviz で配置できませんでした）。</source>
        <translation>The state diagram cannot be drawn (Graphviz could not lay it out).</translation>
    </message>
</context>
<context>
    <name>ronri::SequentialTableEditor</name>
    <message>
        <source>次状態には状態の名前か「-」（未定）を、出力には 0・1・-（未定）を出力の数だけ書きます。未定の欄は回路では X（どちらでもよい）になります。</source>
        <translation>Write a state&apos;s name or &quot;-&quot; (unspecified) as the next state, and one 0, 1 or - (unspecified) per output. Unspecified entries become X (don&apos;t care) in the circuit.</translation>
    </message>
    <message>
        <source>ムーア型</source>
        <translation>Moore</translation>
    </message>
    <message>
        <source>ミーリ型</source>
        <translation>Mealy</translation>
    </message>
    <message>
        <source>状態数</source>
        <translation>States</translation>
    </message>
    <message>
        <source>入力数</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>出力数</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>初期状態</source>
        <translation>Reset state</translation>
    </message>
    <message>
        <source>例題…</source>
        <translation>Examples…</translation>
    </message>
    <message>
        <source>開く…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>KISS2 形式の状態表を読み込みます</source>
        <translation>Reads a state table in KISS2 format</translation>
    </message>
    <message>
        <source>この状態表を KISS2 形式で保存します</source>
        <translation>Saves this state table in KISS2 format</translation>
    </message>
    <message>
        <source>入力した値は消えます。よろしいですか？</source>
        <translation>The values entered will be lost. Continue?</translation>
    </message>
    <message>
        <source>現状態</source>
        <translation>Present state</translation>
    </message>
    <message>
        <source>次状態</source>
        <translation>Next state</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>状態の名前は、空白・#・「-」・「*」を含まない、ほかと違う名前にしてください。</source>
        <translation>Give each state a name of its own without blanks, &quot;#&quot;, &quot;-&quot; or &quot;*&quot;.</translation>
    </message>
    <message>
        <source>次状態には、表にある状態の名前か「-」（未定）を書いてください。</source>
        <translation>Write the name of a state of the table, or &quot;-&quot; (unspecified), as the next state.</translation>
    </message>
    <message>
        <source>出力には 0・1・- を %1 文字で書いてください。</source>
        <translation>Write the outputs as %1 characters of 0, 1 and -.</translation>
    </message>
</context>
<context>
    <name>ronri::SequentialTimingView</name>
    <message>
        <source>入力系列</source>
        <translation>Input sequence</translation>
    </message>
    <message>
        <source>右クリックで画像の保存・コピー・印刷、CSVとして保存。</source>
        <translation>Right-click to save, copy or print the picture, or to save it as CSV.</translation>
    </message>
    <message>
        <source>入力がないので、クロックの回数を書きます（例: 8）。</source>
        <translation>There is no input, so write the number of clocks (e.g. 8).</translation>
    </message>
    <message>
        <source>クロックごとの入力 X を 0 と 1 で書きます（例: 0110100）。空白は読み飛ばします。</source>
        <translation>Write the input X for each clock as 0 or 1 (e.g. 0110100). Spaces are skipped.</translation>
    </message>
    <message>
        <source>クロックごとに入力 X1…X%1 を 1 組ずつ、空白で区切って書きます（例: %2）。</source>
        <translation>Write one group of the inputs X1…X%1 per clock, groups separated by spaces (e.g. %2).</translation>
    </message>
    <message>
        <source>クロックの回数を書いて下さい。</source>
        <translation>Write the number of clocks.</translation>
    </message>
    <message>
        <source>入力系列を書いて下さい。</source>
        <translation>Write the input sequence.</translation>
    </message>
    <message>
        <source>%1 文字目: 回数は数字で書きます。</source>
        <translation>Character %1: write the number of clocks in digits.</translation>
    </message>
    <message>
        <source>%1 文字目: 0 と 1 と空白だけが使えます。</source>
        <translation>Character %1: only 0, 1 and spaces may be used.</translation>
    </message>
    <message>
        <source>%1 文字目からの組: 入力 %2 個の 0/1 が要ります。</source>
        <translation>The group from character %1 needs one 0/1 for each of the %2 inputs.</translation>
    </message>
    <message>
        <source>クロックは %1 回までです。</source>
        <translation>At most %1 clocks.</translation>
    </message>
    <message>
        <source>変数が多すぎて回路の式を求められません。</source>
        <translation>Too many variables to find the circuit equations.</translation>
    </message>
    <message>
        <source>回路の式がまだありません。状態表を埋めて下さい。</source>
        <translation>There are no circuit equations yet. Fill in the state table.</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
</context>
<context>
    <name>ronri::SequentialVerilog</name>
    <message>
        <source>保存する回路がありません。状態表を埋めて、回路の式を求めて下さい。</source>
        <translation>There is no circuit to save. Fill in the state table so that the circuit equations are found.</translation>
    </message>
    <message>
        <source>Verilogで保存</source>
        <translation>Save as Verilog</translation>
    </message>
    <message>
        <source>Verilog (*.v)</source>
        <translation>Verilog (*.v)</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。
%1</source>
        <translation>The file could not be saved.
%1</translation>
    </message>
</context>
<context>
    <name>ronri::SettingsDialog</name>
    <message>
        <source>基本設定</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>表示する言語</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>システムに合わせる</source>
        <translation>Same as the system</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>言語の変更は、次に起動したときから有効になります。</source>
        <translation>A change of language takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>表示の大きさ</source>
        <translation>Display size</translation>
    </message>
    <message>
        <source>見やすい配色</source>
        <translation>Readable colours</translation>
    </message>
    <message>
        <source>カルノー図の囲みを、背景の上でも色覚の違いがあっても見分けやすい色の太い線で描きます。</source>
        <translation>Draws the outlines of the Karnaugh maps in wide lines of colours that stand out on the background and stay distinct under colour-vision deficiencies.</translation>
    </message>
    <message>
        <source>表示の大きさの変更は、次に起動したときから有効になります。</source>
        <translation>A new display size takes effect the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>ronri::StepVerdict</name>
    <message>
        <source>よくある誤りです: ~(a*b) を ~a*~b としています。ド・モルガンの定理では ~(a*b)=~a+~b です。</source>
        <translation>A common mistake: ~(a*b) was written as ~a*~b. De Morgan&apos;s theorem says ~(a*b)=~a+~b.</translation>
    </message>
    <message>
        <source>よくある誤りです: ~(a+b) を ~a+~b としています。ド・モルガンの定理では ~(a+b)=~a*~b です。</source>
        <translation>A common mistake: ~(a+b) was written as ~a+~b. De Morgan&apos;s theorem says ~(a+b)=~a*~b.</translation>
    </message>
    <message>
        <source>よくある誤りです: a+~a*b を b としています。正しくは a+~a*b=a+b です。</source>
        <translation>A common mistake: a+~a*b was written as b. In fact a+~a*b=a+b.</translation>
    </message>
    <message>
        <source>よくある誤りです: a*(b+c) を a*b+c としています。分配則では a*(b+c)=a*b+a*c です。</source>
        <translation>A common mistake: a*(b+c) was written as a*b+c. The distributive law says a*(b+c)=a*b+a*c.</translation>
    </message>
    <message>
        <source>よくある誤りです: a+b*c を (a+b)*c としています。分配則では a+b*c=(a+b)*(a+c) です。</source>
        <translation>A common mistake: a+b*c was written as (a+b)*c. The distributive law says a+b*c=(a+b)*(a+c).</translation>
    </message>
    <message>
        <source>式が読めません。a～j、0、1 と ~ ( ) + * @ % $ | で書いて下さい。</source>
        <translation>The expression cannot be read. Write it with a to j, 0, 1 and ~ ( ) + * @ % $ |.</translation>
    </message>
    <message>
        <source>×&#x3000;等しくありません（真理値表が違います）。</source>
        <translation>× Not equal (the truth tables differ).</translation>
    </message>
    <message>
        <source>○&#x3000;正しい変形です。%1 を 1 回使っています。</source>
        <translation>○ A correct step: %1, applied once.</translation>
    </message>
    <message>
        <source>△&#x3000;式は等しいのですが、%1 を 1 回使っただけではこの形になりません。</source>
        <translation>△ The lines are equal, but %1 applied once does not give this form.</translation>
    </message>
    <message>
        <source>変わった部分: %1 → %2</source>
        <translation>Changed part: %1 → %2</translation>
    </message>
    <message>
        <source>この式は最小の積和形です。</source>
        <translation>This is a minimal sum of products.</translation>
    </message>
</context>
<context>
    <name>ronri::TableCountForm</name>
    <message>
        <source>変数の数は？</source>
        <translation>Variables</translation>
    </message>
</context>
<context>
    <name>ronri::TableInputForm</name>
    <message>
        <source>簡単化して入力</source>
        <translation>Simplify and input</translation>
    </message>
    <message>
        <source>真理値表入力</source>
        <translation>Truth table input</translation>
    </message>
    <message>
        <source>入力</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>X付きで入力</source>
        <translation>Input with X</translation>
    </message>
</context>
<context>
    <name>ronri::TabulationForm</name>
    <message>
        <source>クワイン・マクラスキー法</source>
        <translation>Quine–McCluskey method</translation>
    </message>
    <message>
        <source>左の数字：1 の個数のグループ&#x3000;✓：次の段で併合された項&#x3000;赤い P1, P2, …：併合されなかった項（主項、番号は「主項」の欄の順）&#x3000;X：ドントケアの行</source>
        <translation>Grey number on the left: the group (number of ones).  ✓: merged in the next pass.  Red P1, P2, …: terms never merged (prime implicants, numbered as in the &quot;Prime implicants&quot; box).  X: a don&apos;t-care row</translation>
    </message>
    <message>
        <source>段</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>1 の個数</source>
        <translation>Ones</translation>
    </message>
    <message>
        <source>ビット</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>項</source>
        <translation>Term</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>併合済</source>
        <translation>Merged</translation>
    </message>
    <message>
        <source>主項</source>
        <translation>Prime implicants</translation>
    </message>
    <message>
        <source>ドントケア</source>
        <translation>Don&apos;t care</translation>
    </message>
    <message>
        <source>最小項</source>
        <translation>Minterms</translation>
    </message>
    <message>
        <source>%1 回目の併合</source>
        <translation>Merging %1</translation>
    </message>
    <message>
        <source>値が 1 になる行がないため、主項はありません。</source>
        <translation>No row has the value 1, so there are no prime implicants.</translation>
    </message>
    <message>
        <source>行 %1 個から %2 回の併合で、項は全部で %3 個、主項は %4 個です。</source>
        <translation>From %1 rows, %2 passes of merging: %3 terms in all, %4 prime implicants.</translation>
    </message>
</context>
<context>
    <name>ronri::TimingForm</name>
    <message>
        <source>タイミングチャート</source>
        <translation>Timing chart</translation>
    </message>
    <message>
        <source>右クリックで画像の保存・コピー・印刷・CSV の保存。</source>
        <translation>Right-click to save, copy or print the picture, or to save it as CSV.</translation>
    </message>
    <message>
        <source>開始の値</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>a から順に 0 か 1 を変数の数だけ（例: 111）</source>
        <translation>A 0 or 1 for each variable from a on (for example 111)</translation>
    </message>
    <message>
        <source>変化する入力</source>
        <translation>Input that changes</translation>
    </message>
    <message>
        <source>すべてのゲートを表示</source>
        <translation>Show every gate</translation>
    </message>
    <message>
        <source>ハザード対策</source>
        <translation>Hazard cover</translation>
    </message>
    <message>
        <source>合意項を加えたハザードのない回路で調べます</source>
        <translation>Simulates the hazard-free circuit with the consensus terms added</translation>
    </message>
    <message>
        <source>ゲートの遅延</source>
        <translation>Gate delays</translation>
    </message>
    <message>
        <source>NOT ゲートと、~x を作るインバータの遅延</source>
        <translation>The delay of NOT gates and of the inverters that make ~x</translation>
    </message>
    <message>
        <source>加える合意項はありません（もともとハザードがありません）。</source>
        <translation>No consensus terms to add (there is no hazard).</translation>
    </message>
    <message>
        <source>追加した合意項: %1</source>
        <translation>Consensus terms added: %1</translation>
    </message>
    <message>
        <source>（制限時間内に見つかった最良の形で、最小とは限りません）</source>
        <translation>(the best form found within the time limit, not necessarily the smallest)</translation>
    </message>
    <message>
        <source>ハザードのない形は定数 %1 です。</source>
        <translation>The hazard-free form is the constant %1.</translation>
    </message>
    <message>
        <source>開始の値は 0 と 1 を %1 個、a から順に入力してください。</source>
        <translation>Enter the start as %1 digits 0 or 1, from a on.</translation>
    </message>
    <message>
        <source>f にグリッチがあります（時刻 %1 から %2 まで）。</source>
        <translation>f glitches (from time %1 to %2).</translation>
    </message>
    <message>
        <source>f は変わりません。グリッチはありません。</source>
        <translation>f does not change. No glitch.</translation>
    </message>
    <message>
        <source>f は一度だけ変わります。グリッチはありません。</source>
        <translation>f changes once. No glitch.</translation>
    </message>
    <message>
        <source>開始の値が正しくないため、チャートがありません。</source>
        <translation>The start values are not valid, so there is no chart.</translation>
    </message>
</context>
<context>
    <name>ronri::TruthTableForm</name>
    <message>
        <source>真理値表</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>表示させるのは？</source>
        <translation>Show which rows?</translation>
    </message>
    <message>
        <source>0だけ</source>
        <translation>Only 0</translation>
    </message>
    <message>
        <source>1だけ</source>
        <translation>Only 1</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>線を引く</source>
        <translation>Draw line</translation>
    </message>
    <message>
        <source>線を消す</source>
        <translation>Erase line</translation>
    </message>
    <message>
        <source>式変換→</source>
        <translation>Conversion→</translation>
    </message>
    <message>
        <source>カルノー図→</source>
        <translation>Karnaugh map→</translation>
    </message>
    <message>
        <source>回路図→</source>
        <translation>Circuit→</translation>
    </message>
    <message>
        <source>カルノー図は意味ないでしょ？</source>
        <translation>A Karnaugh map makes no sense here, surely?</translation>
    </message>
    <message>
        <source>大きすぎて対応していません</source>
        <translation>Too large; not supported</translation>
    </message>
</context>
</TS>
