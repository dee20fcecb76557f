;;; TRV_LABELSTIFF: labels every stiffener of the drawing with its size, half way along
;;; it and turned with it, on the layer STIFFTEXT. The label text is the module's own
;;; (TrevanComARX_MakeStiffText), so it reads as the product labels stiffeners.

(defun trv-mid (a b)
  (mapcar '(lambda (p q) (/ (+ p q) 2.0)) a b))

;; Text reads left to right or bottom to top: a stiffener drawn the other way round
;; is labelled as if drawn from its other end.
(defun trv-reading-angle (a b / ang)
  (setq ang (angle a b))
  (if (and (> ang (/ pi 2)) (<= ang (* 1.5 pi)))
    (setq ang (- ang pi)))
  (if (< ang 0) (+ ang (* 2 pi)) ang))

(defun trv-label (ent height / ends label at)
  (setq ends (TrevanComARX_GetStfiffSEPt ent)
        label (TrevanComARX_MakeStiffText ent))
  (if (and ends label)
    (progn
      (setq at (trv-mid (car ends) (cadr ends)))
      (entmake (list '(0 . "TEXT") '(8 . "STIFFTEXT") (cons 10 at) (cons 11 at)
                     (cons 40 height) (cons 1 label)
                     (cons 50 (* (/ 180.0 pi) (trv-reading-angle (car ends) (cadr ends))))
                     '(72 . 1) '(73 . 1))))))

(defun c:TRV_LABELSTIFF (/ stiffeners i done)
  (setq stiffeners (ssget "X" '((-3 ("STIFF"))))
        i 0
        done 0)
  (if stiffeners
    (repeat (sslength stiffeners)
      (if (trv-label (ssname stiffeners i) 80.0) (setq done (1+ done)))
      (setq i (1+ i))))
  (princ (strcat "\n" (itoa done) " stiffeners labelled."))
  (princ))
