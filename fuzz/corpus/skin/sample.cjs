/* A sample skin: copy it to x/o.cjs next to the program to use it.
   It is a Qt style sheet; the window itself takes the button-face colour. */
QPushButton {
    background-color: #3b5e4a;
    color: #f3ecd8;
    border: 1px solid #22382c;
    border-radius: 4px;
    padding: 0;
}
QPushButton:hover { background-color: #4c7760; }
QPushButton:pressed { background-color: #2c4738; }
QPushButton:disabled { background-color: #9aa8a0; color: #e6e6e6; }
QMessageBox { background-color: #f3ecd8; }
