// Command ids shared by menus, accelerator tables and windows (400xx).
#pragma once

// Accelerator table 105 (also the stage editor's and the palette windows'
// table) and table 108: the list commands of set 1 and the window commands.
#define ID_ACC_COPY 40001
#define ID_ACC_APPEND 40002
#define ID_ACC_NEW 40003
#define ID_ACC_OPEN 40004
#define ID_ACC_SAVE 40005
#define ID_ACC_TESTPLAY 40006
#define ID_ACC_PASTE 40007
#define ID_ACC_CLEAR 40008
#define ID_ACC_CUT 40009
#define ID_ACC_REDO 40010
#define ID_ACC_UNDO 40011
#define ID_ACC_DELETE 40032
#define ID_ACC_INSERT 40033
#define ID_ACC_GAMEPLAY 40133
#define ID_ACC_CTRL_D 40162
#define ID_ACC_SPACE 40163

// Tables 106 and 110: set 2.
#define ID_ACC2_COPY 40012
#define ID_ACC2_APPEND 40013
#define ID_ACC2_NEW 40014
#define ID_ACC2_OPEN 40015
#define ID_ACC2_SAVE 40016
#define ID_ACC2_PASTE 40017
#define ID_ACC2_CLEAR 40018
#define ID_ACC2_CUT 40019
#define ID_ACC2_REDO 40020
#define ID_ACC2_UNDO 40021
#define ID_ACC2_INSERT 40034
#define ID_ACC2_DELETE 40035
#define ID_ACC2_GAMEPLAY 40153
#define ID_ACC2_TESTPLAY 40154

// Tables 107 and 109: set 3.
#define ID_ACC3_COPY 40022
#define ID_ACC3_APPEND 40023
#define ID_ACC3_NEW 40024
#define ID_ACC3_OPEN 40025
#define ID_ACC3_SAVE 40026
#define ID_ACC3_PASTE 40027
#define ID_ACC3_CLEAR 40028
#define ID_ACC3_CUT 40029
#define ID_ACC3_REDO 40030
#define ID_ACC3_UNDO 40031
#define ID_ACC3_INSERT 40036
#define ID_ACC3_DELETE 40037
#define ID_ACC3_GAMEPLAY 40155
#define ID_ACC3_TESTPLAY 40156

// Tables 111 and 112: set 4.
#define ID_ACC4_COPY 40091
#define ID_ACC4_APPEND 40092
#define ID_ACC4_NEW 40093
#define ID_ACC4_OPEN 40094
#define ID_ACC4_SAVE 40095
#define ID_ACC4_PASTE 40096
#define ID_ACC4_CLEAR 40097
#define ID_ACC4_CUT 40098
#define ID_ACC4_REDO 40099
#define ID_ACC4_UNDO 40100
#define ID_ACC4_INSERT 40101
#define ID_ACC4_DELETE 40102
#define ID_ACC4_TESTPLAY 40157
#define ID_ACC4_GAMEPLAY 40158

// Popup menus of the lists: 112 and 115 (set 1), 113 and 116 (set 2),
// 114 and 117 (set 3), 176 and 177 (set 4).
#define ID_POP_CUT 40038
#define ID_POP_COPY 40039
#define ID_POP_PASTE 40040
#define ID_POP_CLEAR 40041
#define ID_POP_INSERT 40042
#define ID_POP_DELETE 40043
#define ID_POP2_CUT 40103
#define ID_POP2_COPY 40104
#define ID_POP2_PASTE 40105
#define ID_POP2_INSERT 40106
#define ID_POP2_DELETE 40107
#define ID_POP2_CLEAR 40113
#define ID_POP3_CUT 40108
#define ID_POP3_COPY 40109
#define ID_POP3_PASTE 40110
#define ID_POP3_INSERT 40111
#define ID_POP3_DELETE 40112
#define ID_POP3_CLEAR 40114
#define ID_POP4_CUT 40115
#define ID_POP4_COPY 40116
#define ID_POP4_PASTE 40117
#define ID_POP4_CLEAR 40118
#define ID_POP4_INSERT 40119
#define ID_POP4_DELETE 40120

// Accelerator table 105 (list slots and window commands).
#define ID_ACC_TESTPLAY_ALL 40133  // Ctrl+G, F7

// Menu 128 of the stage editor.
#define ID_STAGE_SETTINGS 40013          // "ステージの設定(&E)"
#define ID_EDIT_UNDO 40052               // "元に戻す(&U)\tCtrl+Z", toolbar "元に戻す"
#define ID_EDIT_REDO 40053               // "やり直し(&R)\tCtrl+Y", toolbar "やり直し"
#define ID_LAYER_BLOCK 40054             // "パレット変更(&P)" / "ブロック(&B)"
#define ID_LAYER_CHARA 40055             // "キャラ(&C)"
#define ID_LAYER_ITEM 40056              // "アイテム(&I)"
#define ID_CLEAR_BLOCKS 40057            // "全てのブロックをクリア(&B)"
#define ID_CLEAR_CHARAS 40058            // "全てのキャラをクリア(&C)"
#define ID_CLEAR_ITEMS 40059             // "全てのアイテムをクリア(&I)"
#define ID_TESTPLAY 40060                // "テストプレイ(&T)\tF5 or Ctrl+T"
#define ID_BMP_CONVERT 40061             // "ビットマップ変換ツール(&B)"
#define ID_PRJ_OPTION 40062              // "プロジェクトオプション(&O)"
#define ID_DATABASE 40063                // "データベース(&D)"
#define ID_WORLDMAP 40064                // "ワールドマップ(&W)"
#define ID_FILE_SAVE_AS 40076            // "コモンパレットの上書き保存＆ステージの新規保存(&A)"
#define ID_FILE_SAVE 40077               // "コモンパレットの上書き保存＆ステージの上書き保存(&S)\tCtrl+S"
#define ID_FILE_OPEN 40074               // "ステージを開く(&O)\tCtrl+O"
#define ID_FILE_NEW 40079                // "ステージの新規作成(&N)\tCtrl+N"
#define ID_STAGE_PAL_LOAD 40083          // "ステージパレットの読み込み(&L)"
#define ID_STAGE_PAL_SAVE 40084          // "ステージパレットの保存(&A)"
#define ID_STAGE_OPTION 40085            // "ステージオプション(&O)"
#define ID_EDIT_OPTION 40086             // the edit options
#define ID_SYSTEM 40122                  // "システム(&S)"
#define ID_COMMON_SAVE 40129             // "コモンパレットの上書き保存(&B)"
#define ID_FILE_CLOSE 40130              // "ステージを閉じる(&C)"
#define ID_TESTPLAY_ALL 40131            // "ゲーム全体のテストプレイ(&G)\tF7 or Ctrl+G"
#define ID_VIEW_COMMON_PALETTE 40148     // "表示(&V)" / "コモンパレット(&C)"
#define ID_VIEW_STAGE_PALETTE 40149      // "ステージパレット(&S)"
#define ID_VIEW_GROUP 40150              // "グループ情報(&G)"
#define ID_CLEAR_ALL 40161               // "全ての配置データをクリア(&A)"

// Toolbar of the stage editor.
#define ID_TB_BLOCK_PALETTE 40048  // "ブロックパレット"
#define ID_TB_CHARA_PALETTE 40049  // "キャラパレット"
#define ID_TB_ITEM_PALETTE 40050   // "アイテムパレット"
#define ID_TB_TESTPLAY 40081       // "テストプレイ"
#define ID_TB_TESTPLAY_ALL 40134   // "ゲーム全体のテストプレイ"

#define ID_PROJECT_OPTION 40062   // プロジェクトオプション
#define ID_SYSTEM_SETTING 40122   // システムの設定

#define IDA_WINDOW 105      // the editor windows' table
#define IDA_LIST_INSERT 108 // lists that insert and delete records
#define IDM_LIST_INSERT 115 // their popup menu
#define ID_KEY_COPY 40001
#define ID_KEY_APPEND 40002
#define ID_KEY_NEW 40003
#define ID_KEY_OPEN 40004
#define ID_KEY_SAVE 40005
#define ID_KEY_TEST 40006
#define ID_KEY_PASTE 40007
#define ID_KEY_CLEAR 40008
#define ID_KEY_CUT 40009
#define ID_KEY_REDO 40010
#define ID_KEY_UNDO 40011
#define ID_KEY_LIST_DELETE 40032
#define ID_KEY_LIST_INSERT 40033
#define ID_KEY_GROUP 40133
#define ID_KEY_DUP 40162
#define ID_KEY_SPACE 40163
#define ID_POPUP_CUT 40038
#define ID_POPUP_COPY 40039
#define ID_POPUP_PASTE 40040
#define ID_POPUP_CLEAR 40041
#define ID_POPUP_INSERT 40042
#define ID_POPUP_DELETE 40043
#define ID_WORLD_SAVE 40015
#define ID_WORLD_NEW_EVENT 40028
#define ID_WORLD_LAYER_EVENTS 40050
#define ID_WORLD_UNDO 40052
#define ID_WORLD_REDO 40053
#define ID_WORLD_EXIT 40055
#define ID_WORLD_SETTINGS 40056
#define ID_WORLD_OPEN 40064  // the stage editor's menu item
#define ID_WORLD_CLEAR_CHIPS 40066
#define ID_WORLD_CLEAR_EVENTS 40068
#define ID_WORLD_CHIP_PALETTE 40071
#define ID_WORLD_EVENT_PALETTE 40072
#define ID_WORLD_LAYER_CHIPS 40073
#define ID_WORLD_EDIT_EVENT 50059

// ---- Palette windows: toolbar 122, menu 168 and popup menu 179 ----
#define ID_PEN_FREE 40044            // "普通"
#define ID_PEN_LINE 40045            // "直線"
#define ID_PEN_RECT 40046            // "矩形"
#define ID_PEN_FILL 40047            // "塗り潰し"
#define ID_PEN_EDIT 40087            // "パラメーターの編集"
#define ID_RCLICK_EDIT 40139         // "右クリックでパレットデータの編集"
#define ID_RCLICK_MENU 40140         // "右クリックでメニュー"
#define ID_PAL_DATA_COUNT 40088      // "データ数の変更(&C)"
#define ID_PAL_MOVE 40089            // "データの移動(&M)"
#define ID_PAL_EDIT 40141            // "編集"
#define ID_PAL_CUT 40142             // "切り取り"
#define ID_PAL_COPY 40143            // "コピー"
#define ID_PAL_PASTE 40144           // "貼り付け"
#define ID_PAL_DELETE 40145          // "削除"
#define ID_PAL_INSERT_NEW 40146      // "新規挿入"
#define ID_PAL_INSERT_COPIED 40147   // "コピーしたデータを挿入"
#define ID_PAL_APPEND_COPIED 40151   // "末尾へコピーしたデータを作成"
#define ID_PAL_APPEND_NEW 40152      // "末尾へ新規作成"
