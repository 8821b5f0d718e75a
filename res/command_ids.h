// Command ids shared by the menus, toolbars and accelerator tables of the
// editor's windows: the stage editor's menu 128 and toolbar, and the window
// accelerator table 105 that the stage editor, the palette windows, the
// character group window and the world map editor share with the lists.
#pragma once

// Accelerator table 105 (list slots and window commands).
#define ID_ACC_COPY 40001          // Ctrl+C
#define ID_ACC_APPEND 40002        // Ctrl+I
#define ID_ACC_NEW 40003           // Ctrl+N
#define ID_ACC_OPEN 40004          // Ctrl+O
#define ID_ACC_SAVE 40005          // Ctrl+S
#define ID_ACC_TESTPLAY 40006      // Ctrl+T, F5
#define ID_ACC_PASTE 40007         // Ctrl+V
#define ID_ACC_CLEAR 40008         // Delete
#define ID_ACC_CUT 40009           // Ctrl+X
#define ID_ACC_REDO 40010          // Ctrl+Y
#define ID_ACC_UNDO 40011          // Ctrl+Z
#define ID_ACC_TESTPLAY_ALL 40133  // Ctrl+G, F7
#define ID_ACC_CTRL_D 40162        // Ctrl+D
#define ID_ACC_SPACE 40163         // Space

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
