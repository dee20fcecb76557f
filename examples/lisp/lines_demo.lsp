;;; TRV_LINESDEMO: on the sample body plan (examples/drawings/lines_body_plan.dxf), draws
;;; frame 180 plus half a frame between its neighbours, and the half-breadth plan line of
;;; waterline WL8000 from the same lines drawing, moved beside the body plan for the picture.

(defun trv-frame (name / ss)
  (setq ss (ssget "X" (list '(-3 ("A_FNAM")))))
  (trv-find-frame ss name 0))

(defun trv-find-frame (ss name i / e)
  (if (< i (sslength ss))
    (progn
      (setq e (ssname ss i))
      (if (= (cdr (cadr (cadr (assoc -3 (entget e '("A_FNAM")))))) name)
        e
        (trv-find-frame ss name (1+ i))))))

(defun trv-cut (name / ss)
  (setq ss (ssget "X" (list '(0 . "LINE") '(-3 ("A_HCUTLINENAME")))))
  (trv-find-cut ss name 0))

(defun trv-find-cut (ss name i / e)
  (if (< i (sslength ss))
    (progn
      (setq e (ssname ss i))
      (if (= (cdr (cadr (cadr (assoc -3 (entget e '("A_HCUTLINENAME")))))) name)
        e
        (trv-find-cut ss name (1+ i))))))

;; Moves the entity's points along X (fit and control points of a spline).
(defun trv-shift (e dx)
  (entmod (mapcar '(lambda (p)
                     (if (member (car p) '(10 11))
                       (list (car p) (+ (cadr p) dx) (caddr p) (cadddr p))
                       p))
                  (entget e))))

(defun c:TRV_LINESDEMO (/ base around top bottom)
  (setq base (trv-frame "180")
        around (ssget "X" '((0 . "SPLINE") (-3 ("A_FNAM"))))
        top (trv-cut "WL16000")
        bottom (trv-cut "WL2000"))
  (TrevanComARX_GetDivLinePoints base around top bottom 400.0 14 '(0.0 0.0 0.0))
  ;; Red, to tell it from the drawn frames.
  (entmod (append (entget (entlast)) '((62 . 1))))
  (princ (strcat "\nInterpolated: "
                 (cdr (cadr (cadr (assoc -3 (entget (entlast) '("A_FNAM")))))) "\n"))
  (if (TrevanComARX_MakePlanLine "C:\\TREVAN\\DATA\\Lines\\S1234\\lines_body_plan.dxf" "WL8000" "PLAN")
    (trv-shift (entlast) -105000.0))
  (princ))
